// The nec2c engine alone, against stand-ins for nec2c on a PATH of their own:
// one live process a core at most, a process killed at its time limit, the
// first failure told at once and its siblings killed, the callback from the
// event loop, folders gone once reaped, and run folders that only their
// owner's lock keeps.
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QtTest>

#include <sys/time.h>
#include <unistd.h>

#include "engine/EngineFolders.h"
#include "engine/NecEngine.h"

using namespace zeliro;

Q_DECLARE_METATYPE(zeliro::Language)

namespace {

// Children of this test, zombies included: a killed process counts until reaped.
int childProcesses() {
    int count = 0;
    const QByteArray self = " " + QByteArray::number(::getpid()) + " ";
    for (const QString& pid : QDir("/proc").entryList(QDir::Dirs)) {
        QFile stat("/proc/" + pid + "/stat");
        if (!stat.open(QIODevice::ReadOnly)) continue;
        const QByteArray line = stat.readAll();
        // After "(name) S": the parent's process id.
        if (line.mid(line.lastIndexOf(')') + 2).mid(1, self.size()) == self) ++count;
    }
    return count;
}

int runFolders(const QString& in) { return QDir(in).entryList({"ZELIRO-nec-*"}, QDir::Dirs).size(); }

}  // namespace

class Engine : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void limitsAndFirstFailure_data();
    void limitsAndFirstFailure();
    void onlyUnlockedFoldersAreStale_data();
    void onlyUnlockedFoldersAreStale();
    void foldersGoToTheMemoryFileSystem_data();
    void foldersGoToTheMemoryFileSystem();

private:
    QTemporaryDir m_temp;
    QTemporaryDir m_bin;
    QByteArray m_path;
};

void Engine::init() {
    m_path = qgetenv("PATH");
    qputenv("TMPDIR", QFile::encodeName(m_temp.path()));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_temp.path()));
}

void Engine::cleanup() { qputenv("PATH", m_path); }

void Engine::limitsAndFirstFailure_data() {
    QTest::addColumn<QByteArray>("engine");  // empty: none on PATH
    QTest::addColumn<int>("decks");
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("message");  // a part of it; empty: rows expected
    QTest::addColumn<int>("withinMs");     // the callback's bound
    const QByteArray slowBesideFailing = "grep -q FAIL deck.nec && exit 3; exec sleep 30";
    QTest::newRow("hangs: killed at the limit")
        << QByteArray("exec sleep 30") << 8 << Language::italian << "entro 1 s" << 3000;
    QTest::newRow("one fails beside slow ones")
        << slowBesideFailing << 4 << Language::italian << "codice 3" << 4000;
    QTest::newRow("English without a translator")
        << slowBesideFailing << 4 << Language::english << "nec2c ended with an error (code 3)." << 4000;
    QTest::newRow("no engine") << QByteArray() << 2 << Language::english << "is not installed" << 4000;
    QTest::newRow("every deck answers")
        << ("cp '" + QFile::encodeName(QFINDTESTDATA("data/nec/twoband.out")) + "' out.txt") << 6
        << Language::italian << "" << 20000;
}

void Engine::limitsAndFirstFailure() {
    QFETCH(QByteArray, engine);
    QFETCH(int, decks);
    QFETCH(Language, language);
    QFETCH(QString, message);
    QFETCH(int, withinMs);
    QFile script(m_bin.filePath("nec2c"));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\n" + engine + "\n");
    script.close();
    script.setPermissions(engine.isEmpty() ? QFile::ReadOwner : QFile::ReadOwner | QFile::ExeOwner);
    qputenv("PATH", QFile::encodeName(m_bin.path()) + (engine.isEmpty() ? "" : ":/usr/bin:/bin"));
    std::vector<std::string> deckTexts(decks, "CM deck\nFR 0 2 0 0 7 1\nEN\n");
    deckTexts[1] = "CM FAIL\nEN\n";

    NecEngine necEngine;
    necEngine.setTimeLimitMs(1000);
    necEngine.setLanguage(language);
    int most = 0;
    QTimer sample;
    connect(&sample, &QTimer::timeout, this, [&] { most = std::max(most, childProcesses()); });
    sample.start(5);
    std::optional<NecEngine::Outcome> outcome;
    bool inStart = true, onThisThread = false;
    QElapsedTimer clock;
    clock.start();
    necEngine.start(deckTexts, [&](const NecEngine::Outcome& ended) {
        QVERIFY(!inStart);
        onThisThread = QThread::currentThread() == thread();
        outcome = ended;
        outcome->reports.clear();
        withinMs -= int(clock.elapsed());
    });
    inStart = false;
    QTRY_VERIFY_WITH_TIMEOUT(outcome.has_value(), withinMs + 1000);
    QVERIFY(onThisThread);
    QVERIFY2(withinMs >= 0, qPrintable(QString::number(withinMs)));
    QVERIFY2(outcome->error.contains(message), qPrintable(outcome->error));
    QCOMPARE(outcome->decks.size(), message.isEmpty() ? std::size_t(decks) : 0);
    // The siblings are killed, reaped and their folders removed, off this thread.
    QTRY_COMPARE(necEngine.reaping(), 0);
    QCOMPARE(childProcesses(), 0);
    QCOMPARE(runFolders(m_temp.path()), 0);
    QVERIFY2(most <= QThread::idealThreadCount(), qPrintable(QString::number(most)));
}

void Engine::onlyUnlockedFoldersAreStale_data() {
    QTest::addColumn<QString>("lock");  // who holds the folder's lock
    QTest::addColumn<bool>("removed");
    QTest::newRow("another program holds it") << "other" << false;
    QTest::newRow("a run of this program holds it") << "run" << false;
    QTest::newRow("nobody holds it") << "nobody" << true;
    QTest::newRow("no lock, just made") << "none" << false;
    QTest::newRow("no lock, an hour old") << "old" << true;
}

void Engine::onlyUnlockedFoldersAreStale() {
    QFETCH(QString, lock);
    QFETCH(bool, removed);
    // Named after a process id that may belong to another instance's namespace.
    const QString folder = m_temp.filePath("ZELIRO-nec-1-99-abcdef");
    QVERIFY(QDir().mkpath(folder));
    const QString lockFile = QDir(folder).filePath(engineFolderLockName());
    QProcess holder;
    std::optional<EngineFolder> run;
    if (lock == "other") {
        holder.start("flock", {lockFile, "sleep", "30"});
        QVERIFY(holder.waitForStarted());
        QTRY_VERIFY(QFile::exists(lockFile));
        QTest::qWait(200);  // flock(1) creates the file, then locks it
    } else if (lock == "run") {
        QDir(folder).removeRecursively();
        run.emplace(m_temp.path());
        QVERIFY(run->isValid());
    } else if (lock == "nobody") {
        QFile(lockFile).open(QIODevice::WriteOnly);
    } else if (lock == "old") {
        const struct timeval hourAgo[2] = {{::time(nullptr) - 3600, 0}, {::time(nullptr) - 3600, 0}};
        QCOMPARE(::utimes(QFile::encodeName(folder).constData(), hourAgo), 0);
    }
    QCOMPARE(removeStaleEngineFolders(m_temp.path()), removed ? 1 : 0);
    QCOMPARE(runFolders(m_temp.path()), removed ? 0 : 1);
    holder.kill();
    holder.waitForFinished();
    run.reset();
    QDir(folder).removeRecursively();
}

void Engine::foldersGoToTheMemoryFileSystem_data() {
    QTest::addColumn<QString>("runtime");  // what XDG_RUNTIME_DIR names: "folder", "file" or nothing
    QTest::addColumn<bool>("there");       // whether run folders go there
    QTest::newRow("a folder") << "folder" << true;
    QTest::newRow("a file") << "file" << false;
    QTest::newRow("not set") << "" << false;
}

void Engine::foldersGoToTheMemoryFileSystem() {
    QFETCH(QString, runtime);
    QFETCH(bool, there);
    QTemporaryDir memory;
    QFile(memory.filePath("file")).open(QIODevice::WriteOnly);
    if (runtime.isEmpty())
        qunsetenv("XDG_RUNTIME_DIR");
    else
        qputenv("XDG_RUNTIME_DIR",
                QFile::encodeName(runtime == "file" ? memory.filePath("file") : memory.path()));
    // A folder left by a dead run in each place.
    for (const QString& place : {memory.path(), m_temp.path()}) {
        QVERIFY(QDir().mkpath(place + "/ZELIRO-nec-1-2-left"));
        QFile(place + "/ZELIRO-nec-1-2-left/" + engineFolderLockName()).open(QIODevice::WriteOnly);
    }
    EngineFolder folder;
    QVERIFY(folder.isValid());
    QCOMPARE(QFileInfo(folder.path()).absolutePath(), there ? memory.path() : m_temp.path());
    // The start-up clean-up looks in both places, and keeps the live folder.
    QCOMPARE(removeStaleEngineFolders(), there ? 2 : 1);
    QVERIFY(QFileInfo::exists(folder.filePath(engineFolderLockName())));
    folder.remove();
    QCOMPARE(runFolders(memory.path()) + runFolders(m_temp.path()), there ? 0 : 1);
    QDir(memory.filePath("ZELIRO-nec-1-2-left")).removeRecursively();
}

QTEST_GUILESS_MAIN(Engine)
#include "test_engine.moc"
