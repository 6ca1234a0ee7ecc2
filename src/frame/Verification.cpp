#include "frame/Verification.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace zeliro {
namespace {

// In lib/zeliro beside the program's folder: /usr/lib/zeliro for /usr/bin,
// build/lib/zeliro for the programs of the build tree.
QStringList moduleCandidates() {
    const QDir programDir(QCoreApplication::applicationDirPath());
    return {programDir.filePath("../lib/zeliro/libzeliro_verify.so")};
}

// The module, loaded for the rest of the run (its windows need its code).
QLibrary* loadedModule(QString& error) {
    static QLibrary* module = nullptr;
    if (module) return module;
    for (const QString& candidate : moduleCandidates()) {
        if (!QFileInfo::exists(candidate)) continue;
        auto* library = new QLibrary(candidate, QCoreApplication::instance());
        if (library->load()) return module = library;
        error = library->errorString();
        delete library;
        return nullptr;
    }
    error = QCoreApplication::translate("zeliro",
                                        "Il modulo di verifica (libzeliro_verify.so) non è installato.");
    return nullptr;
}

template <typename Entry>
Entry resolved(const char* symbol, QString& error) {
    QLibrary* module = loadedModule(error);
    if (!module) return nullptr;
    auto entry = reinterpret_cast<Entry>(module->resolve(symbol));
    if (!entry) error = module->errorString();
    return entry;
}

}  // namespace

OpenVerification loadVerificationModule(QString& error) {
    static OpenVerification entry = nullptr;
    if (!entry) entry = resolved<OpenVerification>(openVerificationSymbol, error);
    return entry;
}

OpenAnalyser loadAnalyserEntry(QString& error) {
    static OpenAnalyser entry = nullptr;
    if (!entry) entry = resolved<OpenAnalyser>(openAnalyserSymbol, error);
    return entry;
}

}  // namespace zeliro
