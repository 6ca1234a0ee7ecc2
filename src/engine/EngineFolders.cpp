#include "engine/EngineFolders.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThreadPool>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zeliro {
namespace {

const QString prefix = QStringLiteral("ZELIRO-nec-");

// A folder without a lock file is being made (the lock follows its folder
// within microseconds) or was left by a program from before the locks: it is
// taken for stale once it is this old.
constexpr qint64 unlockedAgeS = 60;

// The moment a process started, in clock ticks since boot (the 22nd field of
// /proc/PID/stat, after the command name in parentheses); empty when unknown.
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

int openLock(const QString& folder, int flags) {
    const QByteArray path = QFile::encodeName(QDir(folder).filePath(engineFolderLockName()));
    return ::open(path.constData(), flags | O_RDWR | O_CLOEXEC | O_NOFOLLOW, 0600);
}

bool takeLock(int fd, int how) {
    int result;
    do result = ::flock(fd, how);
    while (result != 0 && errno == EINTR);
    return result == 0;
}

// Removes the folder when nobody holds its lock (or, without a lock file,
// when it is old); the lock, taken here, goes with it.
bool removeIfStale(const QString& folder) {
    const int lock = openLock(folder, 0);
    if (lock < 0) {
        if (errno != ENOENT) return false;
        const QDateTime changed = QFileInfo(folder).lastModified();
        if (changed.secsTo(QDateTime::currentDateTime()) < unlockedAgeS) return false;
        return QDir(folder).removeRecursively();
    }
    const bool stale = takeLock(lock, LOCK_EX | LOCK_NB);
    const bool removed = stale && QDir(folder).removeRecursively();
    ::close(lock);
    return removed;
}

bool usableFolder(const QString& path) {
    const QFileInfo info(path);
    return !path.isEmpty() && info.isDir() && info.isWritable();
}

}  // namespace

QString engineFolderParent() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return usableFolder(runtime) ? runtime : QDir::tempPath();
}

QString engineFolderTemplate(const QString& parent) {
    const qint64 pid = QCoreApplication::applicationPid();
    return QDir(parent.isEmpty() ? engineFolderParent() : parent)
        .filePath(prefix + QStringLiteral("%1-%2-XXXXXX").arg(pid).arg(startTicks(pid)));
}

QString engineFolderLockName() { return QStringLiteral("zeliro.lock"); }

int removeStaleEngineFolders(const QString& parent) {
    QStringList places{parent};
    if (parent.isEmpty()) {
        places = QStringList{engineFolderParent(), QDir::tempPath()};
        places.removeDuplicates();
    }
    int removed = 0;
    for (const QString& place : places) {
        const QDir folder(place);
        // Only real folders of this user: never another user's, never through a link.
        for (const QString& name : folder.entryList(
                 {prefix + "*"}, QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks | QDir::Hidden)) {
            if (QFileInfo(folder.filePath(name)).ownerId() != ::getuid()) continue;
            if (removeIfStale(folder.filePath(name))) ++removed;
        }
    }
    return removed;
}

void removeStaleEngineFoldersAside() {
    QThreadPool::globalInstance()->start([] { removeStaleEngineFolders(); });
}

EngineFolder::EngineFolder(const QString& parent) {
    QTemporaryDir made(engineFolderTemplate(parent));
    if (!made.isValid()) return;
    made.setAutoRemove(false);
    m_path = made.path();
    const int lock = openLock(m_path, O_CREAT | O_EXCL);
    // A clean-up that opened the new lock file before it was locked may have
    // removed the folder: the lock counts only if its file is still there.
    struct stat held = {}, there = {};
    if (lock >= 0 && takeLock(lock, LOCK_EX | LOCK_NB) && ::fstat(lock, &held) == 0 &&
        ::stat(QFile::encodeName(filePath(engineFolderLockName())).constData(), &there) == 0 &&
        held.st_ino == there.st_ino && held.st_dev == there.st_dev) {
        m_lock = lock;
        return;
    }
    if (lock >= 0) ::close(lock);
    QDir(m_path).removeRecursively();
    m_path.clear();
}

EngineFolder::~EngineFolder() { remove(); }

QString EngineFolder::filePath(const QString& name) const { return QDir(m_path).filePath(name); }

void EngineFolder::remove() {
    if (!m_path.isEmpty()) QDir(std::exchange(m_path, {})).removeRecursively();
    if (m_lock >= 0) ::close(std::exchange(m_lock, -1));
}

}  // namespace zeliro
