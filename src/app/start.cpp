#include "app/start.h"

#include <cstdio>

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/WindowList.h"
#include "core/version.h"
#include "engine/EngineFolders.h"
#include "frame/FontConfiguration.h"
#include "frame/Look.h"
#include "frame/Registry.h"
#include "frame/Termination.h"

// The photographs live in the static library's resources; the program has
// to pull them in by name, or the linker leaves them out.
static void initResources() { Q_INIT_RESOURCE(photos); }

namespace zeliro {
namespace {

// Qt's own texts (message box and dialog buttons, the fields' context menu) in
// the language given ("it"), from Qt's translations folder; a language Qt has
// no texts for leaves them in English. Replaces what an earlier start loaded.
void useQtTexts(const QString& language) {
    const QString name = "qttexts";
    delete QApplication::instance()->findChild<QTranslator*>(name, Qt::FindDirectChildrenOnly);
    auto* texts = new QTranslator(QApplication::instance());
    texts->setObjectName(name);
    if (texts->load("qtbase_" + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(texts);
    } else {
        delete texts;
    }
}

// The program's own translation: installed in English, removed in Italian
// (the source language).
void useProgramTexts(Language language) {
    const QString name = "zelirotexts";
    delete QApplication::instance()->findChild<QTranslator*>(name, Qt::FindDirectChildrenOnly);
    if (language == Language::italian) return;
    auto* texts = new QTranslator(QApplication::instance());
    texts->setObjectName(name);
    if (texts->load(":/i18n/zeliro_" + QString::fromLatin1(languageCode(language)))) {
        QApplication::installTranslator(texts);
    } else {
        delete texts;
    }
}

}  // namespace

Language languageAtStart(const QStringList& arguments) {
    std::vector<std::string> args;
    for (const QString& argument : arguments) args.push_back(argument.toStdString());
    LanguageSources sources;
    sources.commandLine = languageArgument(args);
    sources.languageVariable = qEnvironmentVariable("LANGUAGE").toStdString();
    for (const QString& tag : QLocale::system().uiLanguages())
        sources.systemLanguages.push_back(tag.toStdString());
    const Language chosen = chooseLanguage(sources);
    if (const std::string note = unknownLanguageNote(sources, chosen); !note.empty())
        std::fprintf(stderr, "%s\n", note.c_str());
    return chosen;
}

void prepareStart() { loadFontConfigurationAside(); }

QWidget* start() { return start(Language::italian); }

QWidget* start(Language language) {
    initResources();
    // Qt has no English translation: its source texts are English.
    useQtTexts(language == Language::italian ? "it" : "en");
    useProgramTexts(language);
    installFontSubstitutes();
    installLookStyle();
    quitOnTerminationSignals();
    // Folders of simulations that died with an earlier run of the program.
    removeStaleEngineFoldersAside();
    QApplication::setApplicationName(applicationTitle);
    QApplication::setDesktopFileName(desktopId);
    delete QApplication::instance()->findChild<Registry*>(QString(), Qt::FindDirectChildrenOnly);
    auto* registry = new Registry(QApplication::instance());
    registry->setLanguage(language);
    registerWindows(*registry);
    // The splash is made while the font configuration may still be being
    // read on another core (prepareStart()), and shown, which needs its fonts,
    // once it has been read.
    registry->make("frmSplash");
    waitForFontConfiguration();
    return registry->show("frmSplash");
}

}  // namespace zeliro
