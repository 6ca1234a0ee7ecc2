#include "cupsfixture.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTest>
#include <QThread>

#include <sys/types.h>
#include <csignal>

namespace zeliro::test {
namespace {

bool writeFile(const QString& name, const QString& text) {
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    return file.write(text.toUtf8()) >= 0;
}

}  // namespace

CupsFixture::~CupsFixture() { stop(); }

QString CupsFixture::path(const QString& name) const { return m_dir->filePath(name); }

bool CupsFixture::run(const QString& program, const QStringList& arguments, QString* output) const {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(20000)) return false;
    if (output) *output = QString::fromLocal8Bit(process.readAll());
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

bool CupsFixture::start(QString* reason) {
    const QString cupsd = QStandardPaths::findExecutable("cupsd", {"/usr/sbin", "/usr/local/sbin"});
    if (cupsd.isEmpty()) {
        *reason = "cupsd is not installed";
        return false;
    }
    m_dir = std::make_unique<QTemporaryDir>();
    if (!m_dir->isValid()) {
        *reason = "no temporary folder";
        return false;
    }
    // The backend and filters run as another user: let them write the job.
    QFile::setPermissions(m_dir->path(), QFileDevice::Permissions(0x7777));
    for (const char* sub : {"spool", "cache", "state", "tmp", "log", "ppd", "home", "jobs"}) {
        QDir(m_dir->path()).mkpath(sub);
        QFile::setPermissions(path(sub), QFileDevice::Permissions(0x7777));
    }
    const QString socket = path("cups.sock");
    const bool written =
        writeFile(path("cups-files.conf"),
                  QString("ServerRoot %1\nRequestRoot %2\nCacheDir %3\nStateDir %4\nTempDir %5\n"
                          "AccessLog %6\nErrorLog %7\nPageLog %8\nFileDevice Yes\n"
                          "DataDir /usr/share/cups\nServerBin /usr/lib/cups\n")
                      .arg(m_dir->path(), path("spool"), path("cache"), path("state"), path("tmp"),
                           path("log/access_log"), path("log/error_log"), path("log/page_log"))) &&
        writeFile(path("cupsd.conf"),
                  QString("Listen %1\nWebInterface No\nBrowsing No\nLogLevel warn\n"
                          "DefaultAuthType None\n"
                          "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                          "<Location /admin>\n  Order allow,deny\n  Allow all\n</Location>\n"
                          "<Policy default>\n  <Limit All>\n    Order deny,allow\n"
                          "  </Limit>\n</Policy>\n")
                      .arg(socket));
    if (!written) {
        *reason = "cannot write the configuration";
        return false;
    }
    m_cupsd.setProcessChannelMode(QProcess::MergedChannels);
    m_cupsd.start(cupsd, {"-f", "-c", path("cupsd.conf"), "-s", path("cups-files.conf")});
    if (!m_cupsd.waitForStarted(5000)) {
        *reason = "cupsd does not start";
        return false;
    }
    qputenv("CUPS_SERVER", socket.toLocal8Bit());
    qputenv("HOME", path("home").toLocal8Bit());
    const QDeadlineTimer deadline(15000);
    while (!QFileInfo::exists(socket) && !deadline.hasExpired() && m_cupsd.state() == QProcess::Running)
        QThread::msleep(50);
    QString output;
    bool added = false;
    while (!added && !deadline.hasExpired() && m_cupsd.state() == QProcess::Running) {
        added = addQueue(&output);
        if (!added) QThread::msleep(100);
    }
    if (!added) {
        *reason = "lpadmin failed: " + output + QString::fromLocal8Bit(m_cupsd.readAll());
        stop();
        return false;
    }
    return true;
}

bool CupsFixture::addQueue(QString* output) {
    const QString ppd = "/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd";
    return run("lpadmin", {"-p", queueName(), "-E", "-v", "file://" + path("jobs/job.pdf"), "-P", ppd},
               output) &&
           run("lpadmin", {"-d", queueName()}, output);
}

bool CupsFixture::removeQueue() { return run("lpadmin", {"-x", queueName()}); }

bool CupsFixture::queueCommand(const QString& program) { return run(program, {queueName()}); }

void CupsFixture::pause() { ::kill(static_cast<pid_t>(m_cupsd.processId()), SIGSTOP); }

void CupsFixture::resume() { ::kill(static_cast<pid_t>(m_cupsd.processId()), SIGCONT); }

void CupsFixture::removeSocket() { QFile::remove(path("cups.sock")); }

void CupsFixture::kill() {
    m_cupsd.kill();
    m_cupsd.waitForFinished(5000);
}

void CupsFixture::stop() {
    if (m_cupsd.state() != QProcess::NotRunning) {
        resume();
        m_cupsd.terminate();
        if (!m_cupsd.waitForFinished(5000)) {
            m_cupsd.kill();
            m_cupsd.waitForFinished(2000);
        }
    }
}

bool CupsFixture::jobWaiting() const { return m_dir && QFileInfo(path("jobs/job.pdf")).size() > 0; }

QString CupsFixture::takeJobText(int timeoutMs) {
    const QString job = path("jobs/job.pdf");
    const bool done = QTest::qWaitFor(
        [&] {
            if (QFileInfo(job).size() == 0) return false;
            QString pending;
            return run("lpstat", {"-o"}, &pending) && pending.trimmed().isEmpty();
        },
        timeoutMs);
    if (!done) return {};
    QString text;
    run("pdftotext", {"-layout", job, "-"}, &text);
    QFile::remove(job);
    return text;
}

}  // namespace zeliro::test

namespace zeliro::test {

QStringList CupsFixture::wordsOfLines(const QString& text) {
    QStringList words;
    for (const QString& line : text.split('\n')) {
        const QString simple = line.simplified();
        if (!simple.isEmpty()) words << simple;
    }
    return words;
}

QStringList CupsFixture::wordsOfLines(const std::vector<std::string>& lines) {
    QStringList joined;
    for (const std::string& line : lines) joined << QString::fromStdString(line);
    return wordsOfLines(joined.join('\n'));
}

QMessageBox* printMessage() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(widget);
            box && box->isVisible() && box->objectName() == "stampamessaggio")
            return box;
    return nullptr;
}

}  // namespace zeliro::test
