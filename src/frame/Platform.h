#pragma once
// The two platform seams of the program: the system beep and the default
// printer. The program uses the system implementations; tests put recording
// ones in their place through the registry.

#include <QImage>
#include <QString>

#include <functional>
#include <string>
#include <vector>

namespace zeliro {

class Beep {
public:
    virtual ~Beep() = default;
    virtual void beep() = 0;
};

// What became of a print job.
struct PrintResult {
    enum class Status {
        handedOver,        // the print system has the job
        noDefaultPrinter,  // nothing chosen as the default printer
        noAnswer,          // the print system is not there, or did not answer in time
        refused,           // the queue is stopped or does not accept jobs
        notFinished,       // the job was begun but could not be completed
    };
    Status status = Status::handedOver;
    QString printer;  // the queue's name, where one was found
    QString detail;   // the print system's own words, where it gave any
};

class Printer {
public:
    using Done = std::function<void(const PrintResult&)>;
    virtual ~Printer() = default;
    // One print job of text lines, one below the other from the top left.
    // `done` runs on the caller's thread once the job's fate is known (at
    // once, or later from the event loop); jobs are sent in the order given.
    virtual void printLines(const std::vector<std::string>& lines, Done done) = 0;
    // One print job of a window's image.
    virtual void printImage(const QImage& image, Done done) = 0;
    // One print job of a report: its lines, then the picture under them (on
    // a page of its own where it does not fit under them). A printer that
    // takes lines only prints the lines.
    virtual void printReport(const std::vector<std::string>& lines, const QImage& picture, Done done) {
        (void)picture;
        printLines(lines, std::move(done));
    }
};

class SystemBeep : public Beep {
public:
    void beep() override;
};

}  // namespace zeliro
