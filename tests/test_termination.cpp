// The program ended from outside during a long simulation. SIGTERM ends it
// cleanly: nec2c is ended and its folder removed. SIGKILL gives it no
// chance: the kernel still ends nec2c (it dies with its parent), and the
// folder left behind is removed by the next start.
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

namespace {

// nec2c processes whose working folder lies in `temp`.
int enginesIn(const QString& temp) {
    int count = 0;
    for (const QString& pid : QDir("/proc").entryList(QDir::Dirs))
        if (QFileInfo(QString("/proc/%1/cwd").arg(pid)).symLinkTarget().startsWith(temp + "/")) ++count;
    return count;
}

int foldersIn(const QString& temp) { return QDir(temp).entryList({"ZELIRO-nec-*"}, QDir::Dirs).size(); }

}  // namespace

class Termination : public QObject {
    Q_OBJECT
private slots:
    void endedDuringARun_data();
    void endedDuringARun();

private:
    bool startProgram(QProcess& program, const QString& temp, const QStringList& arguments = {});
};

bool Termination::startProgram(QProcess& program, const QString& temp, const QStringList& arguments) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("TMPDIR", temp);
    environment.insert("XDG_RUNTIME_DIR", temp);  // where run folders go first
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("LANGUAGE", "");
    program.setProcessEnvironment(environment);
    program.start(QCoreApplication::applicationDirPath() + "/longrun", arguments);
    return program.waitForStarted(10000);
}

void Termination::endedDuringARun_data() {
    QTest::addColumn<int>("signal");
    QTest::addColumn<bool>("leftBehind");  // the run's folders
    QTest::newRow("SIGTERM") << int(SIGTERM) << false;
    QTest::newRow("SIGINT") << int(SIGINT) << false;
    QTest::newRow("SIGKILL") << int(SIGKILL) << true;
}

void Termination::endedDuringARun() {
    QFETCH(int, signal);
    QFETCH(bool, leftBehind);
    if (QStandardPaths::findExecutable("nec2c").isEmpty()) QSKIP("nec2c is not installed");
    QTemporaryDir temp;
    QProcess program;
    QVERIFY(startProgram(program, temp.path()));
    QByteArray said;
    QTRY_VERIFY_WITH_TIMEOUT((said += program.readAllStandardOutput()).contains("running"), 60000);
    QTRY_VERIFY_WITH_TIMEOUT(enginesIn(temp.path()) > 0, 10000);
    QVERIFY(foldersIn(temp.path()) > 0);
    ::kill(pid_t(program.processId()), signal);
    QVERIFY(program.waitForFinished(20000));
    if (signal != SIGKILL) QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QTRY_COMPARE_WITH_TIMEOUT(enginesIn(temp.path()), 0, 5000);
    QCOMPARE(foldersIn(temp.path()) > 0, leftBehind);
    // The next start removes what a dead run left.
    QProcess next;
    QVERIFY(startProgram(next, temp.path(), {"--start-only"}));
    QVERIFY(next.waitForFinished(20000));
    QCOMPARE(foldersIn(temp.path()), 0);
}

QTEST_GUILESS_MAIN(Termination)
#include "test_termination.moc"
