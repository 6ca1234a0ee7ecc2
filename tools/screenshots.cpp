// Saves a picture of every window of the program, each calculation window
// with a worked example typed in and calculated:
//   zeliro_screenshots OUTPUT_FOLDER [WINDOW...]
// With no window named, every window the program knows is shown in turn,
// then two print pictures of the half-wave dipole window: the message of
// a system with no default printer (stampa-senza-stampante.png) and the
// preview of its data report (anteprima-dati.png); and the verification window twice: on the two-band example
// ("frmVERIFICA"), and on the half-wave dipole beside the measured sweep
// that the tests write to build/sweeps ("frmVERIFICA_misura", and its SMITH
// page: "frmVERIFICA_smith"; its installation page, "frmVERIFICA_impianto";
// the sample as measured through 10 m of RG-58 and taken back,
// "frmVERIFICA_cavo"); the preview of the verification's printed report with
// its pattern and height study ("verifica-rapporto"); and the analyser dialog
// of the trimming window ("frmANALIZZATORE") and its NanoVNA V2 calibration
// ("frmCALIBRAZIONE").
//
// On X11 (scripts/screenshots.sh runs it under Xvfb with a window manager)
// the picture is taken from the screen, title bar and frame included; on
// other platforms it is the window's own rendering.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <QVariant>

#include <cstdio>
#include <fstream>
#include <map>

#include "app/start.h"
#include "core/nec/coax.h"
#include "core/nec/model.h"
#include "core/sweep/analyser.h"
#include "frame/DecimalField.h"
#include "frame/FileDialogs.h"
#include "frame/Platform.h"
#include "frame/PrintChoices.h"
#include "frame/PrintPages.h"
#include "frame/Registry.h"

namespace {

// The worked examples, one step a string: "Text1=7,05" puts a text into a
// field, "Option2" clicks a button, "Number#7" clicks the button of a control
// array whose index is 7.
const std::map<QString, QStringList>& workedExamples() {
    static const std::map<QString, QStringList> examples = {
        {"frmDIPOLOSTANDARD", {"Option2", "Text1=7,05", "Command2"}},
        {"frmTARATURA", {"Option1", "Text1=7,05", "Text2=7", "Command2"}},
        {"frmDIPOLOMULTIBANDA",
         {"Option1", "Option5", "Text1=35", "Text2=2,5", "Text3=6,4", "Text4=0,935", "Text5=7,055",
          "Text6=3,650", "Command2"}},
        {"frmCALCOLOBOBINA", {"Text1=2", "Text2=7,05", "Text3=10", "Text4=2", "Command1"}},
        {"frmCOSTRUZIONEBOBINA", {"Text3=1,5", "Text5=25", "Text2=40", "Text1=35", "Command2"}},
        {"Calculator",
         {"Number#1", "Number#2", "Decimal", "Number#5", "Operator#1", "Number#7", "Operator#4"}},
    };
    return examples;
}

// The control of the window with that objectName (and index, for an array).
QWidget* control(QWidget* window, const QString& reference) {
    const QString name = reference.section('#', 0, 0);
    const bool indexed = reference.contains('#');
    const int index = reference.section('#', 1).toInt();
    for (QWidget* widget : window->findChildren<QWidget*>(name)) {
        if (!indexed || widget->property("index").toInt() == index) return widget;
    }
    return nullptr;
}

// Runs the steps; false (with a message) if a step names no suitable control.
bool typeExample(QWidget* window, const QStringList& steps) {
    for (const QString& step : steps) {
        const QString reference = step.section('=', 0, 0);
        QWidget* widget = control(window, reference);
        if (auto* field = qobject_cast<QLineEdit*>(widget); field && step.contains('=')) {
            // The examples are written with the Italian comma; a field takes its language's separator.
            QString text = step.section('=', 1);
            if (auto* decimal = qobject_cast<zeliro::DecimalField*>(field))
                text.replace(',', decimal->decimalSeparator());
            field->setText(text);
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget); button && !step.contains('=')) {
            button->setFocus(Qt::MouseFocusReason);
            button->click();
        } else {
            std::fprintf(stderr, "%s: no control for step %s\n", qPrintable(window->objectName()),
                         qPrintable(step));
            return false;
        }
    }
    return true;
}

void settle(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// A system where nothing is chosen as the default printer, whatever this
// machine has.
class NoDefaultPrinter : public zeliro::Printer {
public:
    void printLines(const std::vector<std::string>&, Done done) override {
        done({zeliro::PrintResult::Status::noDefaultPrinter, {}, {}});
    }
    void printImage(const QImage&, Done done) override {
        done({zeliro::PrintResult::Status::noDefaultPrinter, {}, {}});
    }
};

QPixmap picture(QWidget* window) {
    if (QGuiApplication::platformName() == "xcb") {
        const QRect frame = window->frameGeometry();
        return window->screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    }
    return window->grab();
}

// The top-level dialog of that class and objectName, once shown.
template <typename Dialog>
Dialog* shownDialog(const QString& name) {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<Dialog*>(widget);
            dialog && dialog->isVisible() && dialog->objectName() == name)
            return dialog;
    return nullptr;
}

// Prints the worked half-wave dipole with no default printer, and previews its
// report: a picture of the message and one of the preview. The count of
// pictures that could not be taken.
int printPictures(zeliro::Registry& registry, const QDir& folder) {
    NoDefaultPrinter printer;
    registry.setPrinter(&printer);
    QWidget* window = registry.show("frmDIPOLOSTANDARD");
    settle(300);
    typeExample(window, workedExamples().at("frmDIPOLOSTANDARD"));
    int failed = 0;
    const auto take = [&](QWidget* dialog, const QString& file) {
        settle(500);
        if (dialog && picture(dialog).save(folder.filePath(file))) {
            std::printf("%s\n", qPrintable(folder.filePath(file)));
        } else {
            ++failed;
        }
        if (dialog) dialog->close();
        settle(100);
    };
    window->findChild<QAction*>("stampasolodati")->trigger();
    settle(100);
    take(shownDialog<QMessageBox>("stampamessaggio"), "stampa-senza-stampante.png");
    window->findChild<QAction*>("anteprimadati")->trigger();
    settle(300);
    take(shownDialog<QPrintPreviewDialog>("anteprima"), "anteprima-dati.png");
    registry.close("frmDIPOLOSTANDARD");
    registry.setPrinter(nullptr);
    return failed;
}

// Keeps the verification's report instead of printing it.
class ReportKeeper : public zeliro::Printer {
public:
    void printLines(const std::vector<std::string>&, Done done) override { done({}); }
    void printImage(const QImage&, Done done) override { done({}); }
    void printReport(const std::vector<std::string>& lines, const QImage& picture, Done done) override {
        content = {lines, picture};
        done({});
    }
    zeliro::PrintContent content;
};

// "Carica misura" reads the file named here, without a dialog.
class SampleFile : public zeliro::FileDialogs {
public:
    QString openFileName(QWidget*, const QString&, const QString&) override { return name; }
    QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString name;
};

// The verification window of the opener's worked example after a run.
QWidget* verification(zeliro::Registry& registry, const QString& opener) {
    QWidget* window = registry.show(opener);
    if (!window || !typeExample(window, workedExamples().at(opener))) return nullptr;
    settle(400);
    // The example was clicked in code, without the events that bring the
    // menu item up to date: its handler is called straight away.
    QMetaObject::invokeMethod(window, "verifica_Click");
    for (QWidget* candidate : QApplication::topLevelWidgets())
        if (candidate->objectName() == "frmVERIFICA" && candidate->isVisible() &&
            candidate->property("opener").toString() == opener)
            return candidate;
    return nullptr;
}

// The sample sweep as an analyser at the shack end of 10 m of RG-58 would
// have measured it; the file's path, or empty.
QString sampleThroughCable() {
    const std::string sample = QDir(SWEEP_SAMPLES_DIR).filePath("dipolo-40m.s1p").toStdString();
    zeliro::SweepReading reading = zeliro::readSweepFile(sample, {});
    if (!reading.ok()) return {};
    const zeliro::nec::Feedline line{*zeliro::nec::findCable("RG-58"), 10};
    for (zeliro::SweepPoint& point : reading.sweep->points) {
        const auto z = zeliro::nec::atShackEnd(line, point.frequencyMHz, {point.resistance, point.reactance});
        point.resistance = z.real();
        point.reactance = z.imag();
        point.swr = zeliro::nec::swrOn(z, reading.sweep->referenceOhms);
    }
    const QString path = QDir(SWEEP_SAMPLES_DIR).filePath("dipolo-40m-radio.s1p");
    std::ofstream(path.toStdString()) << zeliro::analyser::touchstoneText({&*reading.sweep, {}}).text;
    return path;
}

QWidget* showVerification(zeliro::Registry& registry, SampleFile& sample, const QString& name) {
    // The Smith page beside the same measured sweep.
    const bool smith = name == "frmVERIFICA_smith";
    // The installation's page, and a sweep measured through 10 m of RG-58.
    const bool installation = name == "frmVERIFICA_impianto";
    const bool throughCable = name == "frmVERIFICA_cavo";
    const bool measured = name == "frmVERIFICA_misura" || smith || throughCable || installation;
    const bool corrected = name == "frmVERIFICA_corretto";
    // The pattern and the height study of the half-wave dipole at 20 m over average ground.
    const bool pattern = name == "frmVERIFICA_diagramma" || name == "frmVERIFICA_altezza";
    QWidget* window =
        verification(registry, measured || pattern ? "frmDIPOLOSTANDARD" : "frmDIPOLOMULTIBANDA");
    if (!window) return nullptr;
    window->move(0, 0);
    settle(300);
    const auto waitForRun = [window] {
        for (int waited = 0; window->property("running").toBool() && waited < 60000; waited += 50) settle(50);
    };
    if (pattern) {
        auto* ground = window->findChild<QComboBox*>("suolo");
        ground->setCurrentIndex(ground->findData(static_cast<int>(zeliro::nec::Ground::average)));
        window->findChild<QLineEdit*>("altezza")->setText("20");
    }
    if (installation || throughCable) {
        auto* cable = window->findChild<QComboBox*>("cavo");
        cable->setCurrentIndex(cable->findData("RG-58"));
        window->findChild<QLineEdit*>("lunghezzaCavo")->setText("10");
    }
    if (installation) {
        // Typed with the separator of the window's language.
        const auto type = [window](const char* field, QString text) {
            auto* input = window->findChild<zeliro::DecimalField*>(field);
            input->setText(text.replace(',', input->decimalSeparator()));
        };
        type("isolamento", "0,8");
        auto* ground = window->findChild<QComboBox*>("suolo");
        ground->setCurrentIndex(ground->findData(static_cast<int>(zeliro::nec::Ground::custom)));
        type("epsilon", "20");
        type("sigma", "0,01");
    }
    window->findChild<QAbstractButton*>("simula")->click();
    waitForRun();
    if (pattern) {
        auto* pages = window->findChild<QTabWidget*>("pagine");
        pages->setCurrentWidget(window->findChild<QWidget*>("diagramma"));
        waitForRun();
        if (name == "frmVERIFICA_altezza") {
            window->findChild<QAbstractButton*>("studioAltezza")->click();
            waitForRun();
        }
    }
    if (corrected) {
        window->findChild<QAbstractButton*>("correggi")->click();
        for (int waited = 0; window->property("running").toBool() && waited < 120000; waited += 50)
            settle(50);
    }
    if (measured) {
        sample.name = installation || throughCable ? sampleThroughCable()
                                                   : QDir(SWEEP_SAMPLES_DIR).filePath("dipolo-40m.s1p");
        window->findChild<QAbstractButton*>("caricaMisura")->click();
    }
    if (installation) {
        auto* pages = window->findChild<QTabWidget*>("pagine");
        pages->setCurrentWidget(window->findChild<QWidget*>("impianto"));
    }
    if (smith) {
        auto* pages = window->findChild<QTabWidget*>("pagine");
        pages->setCurrentWidget(window->findChild<QWidget*>("smith"));
    }
    return window;
}

// The preview of the verification's report, after its pattern and height
// study: a picture of its first page. The count of pictures not taken.
int reportPicture(zeliro::Registry& registry, SampleFile& sample, const QDir& folder) {
    ReportKeeper printer;
    registry.setPrinter(&printer);
    QWidget* window = showVerification(registry, sample, "frmVERIFICA_altezza");
    int failed = 1;
    if (window) {
        window->findChild<QAbstractButton*>("stampa")->click();
        zeliro::showPreview(window, printer.content, [] {});
        settle(500);
        auto* preview = shownDialog<QPrintPreviewDialog>("anteprima");
        // The page's width across the dialog, so that its lines read.
        if (preview) {
            preview->resize(900, 740);
            if (auto* pages = preview->findChild<QPrintPreviewWidget*>())
                pages->setZoomMode(QPrintPreviewWidget::FitToWidth);
            settle(500);
        }
        const QString file = folder.filePath("verifica-rapporto.png");
        if (preview && picture(preview).save(file)) {
            std::printf("%s\n", qPrintable(file));
            failed = 0;
        }
        if (preview) preview->close();
        window->close();
    }
    registry.closeAll();
    registry.setPrinter(nullptr);
    settle(100);
    return failed;
}

// The analyser dialog of the trimming window's worked example, a port typed.
QWidget* showAnalyser(zeliro::Registry& registry) {
    QWidget* window = registry.show("frmTARATURA");
    if (!window || !typeExample(window, workedExamples().at("frmTARATURA"))) return nullptr;
    settle(300);
    window->findChild<QAction*>("daanalizzatore")->trigger();
    QWidget* dialog = window->findChild<QWidget*>("frmANALIZZATORE");
    if (auto* port = dialog ? dialog->findChild<QComboBox*>("porta") : nullptr)
        port->setEditText("/dev/ttyACM0");
    return dialog;
}

// The NanoVNA V2's calibration, opened from that dialog.
QWidget* showCalibration(zeliro::Registry& registry) {
    QWidget* dialog = showAnalyser(registry);
    auto* calibrate = dialog ? dialog->findChild<QPushButton*>("calibra") : nullptr;
    if (!calibrate) return nullptr;
    calibrate->click();
    return dialog->findChild<QWidget*>("frmCALIBRAZIONE");
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    // "--lang en" first takes the pictures in English; Italian otherwise,
    // whatever the system's language.
    zeliro::Language language = zeliro::Language::italian;
    if (arguments.size() >= 2 && arguments.first() == "--lang") {
        language = zeliro::languageAtStart(arguments.mid(0, 2));
        arguments = arguments.mid(2);
    }
    if (arguments.isEmpty()) {
        std::fprintf(stderr, "usage: zeliro_screenshots [--lang it|en] OUTPUT_FOLDER [WINDOW...]\n");
        return 2;
    }
    const QDir folder(arguments.first());
    folder.mkpath(".");
    QStringList names = arguments.mid(1);
    // Windows are closed after their picture; the run is not over with the last.
    app.setQuitOnLastWindowClosed(false);
    // A steady text cursor, the same on every run.
    QApplication::setCursorFlashTime(0);
    zeliro::start(language);
    zeliro::Registry& registry = zeliro::Registry::current();
    const bool everything = names.isEmpty();
    SampleFile sample;
    registry.setFileDialogs(&sample);
    if (everything)
        names = registry.names() +
                QStringList{"frmVERIFICA",           "frmVERIFICA_misura",  "frmVERIFICA_corretto",
                            "frmVERIFICA_diagramma", "frmVERIFICA_altezza", "frmVERIFICA_smith",
                            "frmVERIFICA_impianto",  "frmVERIFICA_cavo",    "verifica-rapporto",
                            "frmANALIZZATORE",       "frmCALIBRAZIONE"};

    int saved = 0;
    int failed = 0;
    for (const QString& name : names) {
        if (name == "verifica-rapporto") {
            failed += reportPicture(registry, sample, folder);
            continue;
        }
        const bool verifying =
            name.startsWith("frmVERIFICA") || name == "frmANALIZZATORE" || name == "frmCALIBRAZIONE";
        QWidget* window = name == "frmANALIZZATORE"   ? showAnalyser(registry)
                          : name == "frmCALIBRAZIONE" ? showCalibration(registry)
                          : verifying                 ? showVerification(registry, sample, name)
                                                      : registry.show(name);
        if (!window) {
            failed += verifying;
            continue;
        }
        settle(300);
        const auto example = workedExamples().find(name);
        if (example != workedExamples().end() && !typeExample(window, example->second)) ++failed;
        settle(500);
        const QString file = folder.filePath(name + ".png");
        // The verification window on a whole 800x600 screen, to see that it fits.
        const QPixmap shot = name == "frmVERIFICA_schermo" && QGuiApplication::platformName() == "xcb"
                                 ? window->screen()->grabWindow(0)
                                 : picture(window);
        if (shot.save(file)) {
            ++saved;
            std::printf("%s\n", qPrintable(file));
        } else {
            ++failed;
        }
        if (verifying) {
            window->close();
            registry.closeAll();
        } else
            registry.close(name);
        settle(100);
    }
    if (everything) failed += printPictures(registry, folder);
    registry.closeAll();
    return saved > 0 && failed == 0 ? 0 : 1;
}
