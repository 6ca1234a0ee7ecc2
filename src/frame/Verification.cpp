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

}  // namespace

OpenVerification loadVerificationModule(QString& error) {
    static OpenVerification entry = nullptr;
    if (entry) return entry;
    for (const QString& candidate : moduleCandidates()) {
        if (!QFileInfo::exists(candidate)) continue;
        // Loaded for the rest of the run: the module's windows need its code.
        auto* library = new QLibrary(candidate, QCoreApplication::instance());
        entry = reinterpret_cast<OpenVerification>(library->resolve(openVerificationSymbol));
        if (entry) return entry;
        error = library->errorString();
        delete library;
        return nullptr;
    }
    error = QCoreApplication::translate("zeliro",
                                        "Il modulo di verifica (libzeliro_verify.so) non è installato.");
    return nullptr;
}

}  // namespace zeliro
