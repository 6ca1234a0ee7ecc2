#pragma once
// A private CUPS server for printing tests: its own configuration folder and
// socket, one queue that writes each job to a PDF file, made the default. The
// test process reaches it through CUPS_SERVER and a HOME of its own, so the
// machine's printers and its own CUPS configuration are never touched.

#include <QMessageBox>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <string>
#include <vector>

namespace zeliro::test {

class CupsFixture {
public:
    CupsFixture() = default;
    ~CupsFixture();
    CupsFixture(const CupsFixture&) = delete;
    CupsFixture& operator=(const CupsFixture&) = delete;

    // Starts the server and adds the default queue; false (with the reason)
    // when cupsd cannot be run here.
    bool start(QString* reason);
    void stop();

    // Ways for the print system to fail, and to come back.
    bool removeQueue();                        // no default printer
    bool addQueue(QString* output = nullptr);  // the default queue again
    // cupsdisable, cupsenable, cupsreject, cupsaccept on the queue.
    bool queueCommand(const QString& program);
    void pause();         // SIGSTOP: the server hangs
    void resume();        // SIGCONT
    void removeSocket();  // the server runs, but nothing reaches it
    void kill();          // SIGKILL: the socket stays behind, stale

    // Waits for the next job to be written, returns its text (pdftotext
    // -layout) and removes the file, so that the next job is seen anew.
    // Empty when no job arrived in time.
    QString takeJobText(int timeoutMs = 30000);
    // Whether a job file is there now.
    bool jobWaiting() const;
    QString queueName() const { return "zeliro-test"; }

    // The non-empty lines of a printed text with their blanks collapsed: what
    // pdftotext can be trusted to keep.
    static QStringList wordsOfLines(const QString& text);
    static QStringList wordsOfLines(const std::vector<std::string>& lines);

private:
    QString path(const QString& name) const;
    bool run(const QString& program, const QStringList& arguments, QString* output = nullptr) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    QProcess m_cupsd;
};

// The message that a print did not go, if one is on screen.
QMessageBox* printMessage();

}  // namespace zeliro::test
