#pragma once
// The temporary folders of nec2c runs, on a memory file system where there is
// one ($XDG_RUNTIME_DIR), else in the system's temporary folder. Each is named
// after the process that made it ("ZELIRO-nec-4242-1234567-XXXXXX": process id
// and the moment it started, for a person looking at the folder) and holds a
// lock file that its owner keeps locked (flock) for the folder's whole life.
// The lock, not the name, tells a live folder from one left behind: the kernel
// drops it when its owner dies, however it dies, and it holds across
// containers that share the folder but not the process ids. A run removes its
// own folder when it ends; the program removes unlocked ones when it starts.
//
// Every function here touches the disk: call them off the window thread.

#include <QString>
#include <QStringList>

namespace zeliro {

// Where new run folders go: $XDG_RUNTIME_DIR when it is set, a directory and
// writable; otherwise the system's temporary folder.
QString engineFolderParent();

// The template of a new run folder (for QTemporaryDir), in `parent`
// (engineFolderParent() unless given).
QString engineFolderTemplate(const QString& parent = {});

// The name of the lock file inside a run folder.
QString engineFolderLockName();

// Removes every run folder in `parent` (by default in each place a run folder
// may be) whose lock nobody holds; how many.
int removeStaleEngineFolders(const QString& parent = {});

// The start-up clean-up: removeStaleEngineFolders() on a thread of Qt's
// global pool, which the application waits for when it ends.
void removeStaleEngineFoldersAside();

// A run folder made, locked, and removed (lock released last) by its owner.
class EngineFolder {
public:
    explicit EngineFolder(const QString& parent = {});
    ~EngineFolder();
    EngineFolder(const EngineFolder&) = delete;
    EngineFolder& operator=(const EngineFolder&) = delete;

    // Made and locked.
    bool isValid() const { return m_lock >= 0; }
    QString path() const { return m_path; }
    QString filePath(const QString& name) const;
    // Removes the folder and everything in it, then lets the lock go.
    void remove();

private:
    QString m_path;
    int m_lock = -1;
};

}  // namespace zeliro
