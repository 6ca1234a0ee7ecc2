#include "frame/EngineFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <unistd.h>

namespace zeliro {
namespace {

const QString prefix = QStringLiteral("ZELIRO-nec-");

// The moment a process started, in clock ticks since boot (the 22nd field of
// /proc/PID/stat, after the command name in parentheses); empty when the
// process is gone.
QString startTicks(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) return {};
    const QByteArray line = stat.readAll();
    const qsizetype nameEnd = line.lastIndexOf(')');
    if (nameEnd < 0) return {};
    const QList<QByteArray> fields = line.mid(nameEnd + 2).split(' ');
    // fields[0] is the 3rd field (state): the start time is the 22nd.
    return fields.size() > 19 ? QString::fromLatin1(fields[19]) : QString();
}

QString folderOrTemp(const QString& parent) { return parent.isEmpty() ? QDir::tempPath() : parent; }

}  // namespace

QString engineFolderTemplate(const QString& parent) {
    const qint64 pid = QCoreApplication::applicationPid();
    return QDir(folderOrTemp(parent))
        .filePath(prefix + QStringLiteral("%1-%2-XXXXXX").arg(pid).arg(startTicks(pid)));
}

int removeStaleEngineFolders(const QString& parent) {
    static const QRegularExpression owner(QStringLiteral("^ZELIRO-nec-(\\d+)-(\\d*)-"));
    QDir folder(folderOrTemp(parent));
    int removed = 0;
    // Only real folders of this user: never another user's, never through a link.
    for (const QString& name : folder.entryList(
             {prefix + "*"}, QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks | QDir::Hidden)) {
        const QRegularExpressionMatch match = owner.match(name);
        if (!match.hasMatch() || QFileInfo(folder.filePath(name)).ownerId() != ::getuid()) continue;
        const QString started = startTicks(match.captured(1).toLongLong());
        if (!started.isEmpty() && started == match.captured(2)) continue;  // its owner still runs
        if (QDir(folder.filePath(name)).removeRecursively()) ++removed;
    }
    return removed;
}

}  // namespace zeliro
