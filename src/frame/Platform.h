#pragma once
// The two platform seams of the program: the system beep and the default
// printer. The program uses the system implementations; tests put recording
// ones in their place through the registry.

#include <QImage>

#include <string>
#include <vector>

namespace zeliro {

class Beep {
public:
    virtual ~Beep() = default;
    virtual void beep() = 0;
};

class Printer {
public:
    virtual ~Printer() = default;
    // One print job of text lines in the printer's default font, one below the
    // other from the top left. False when nothing could be printed.
    virtual bool printLines(const std::vector<std::string>& lines) = 0;
    // One print job of a window's image.
    virtual bool printImage(const QImage& image) = 0;
};

class SystemBeep : public Beep {
public:
    void beep() override;
};

// Prints on the system's default printer only; with none, prints nothing.
class SystemPrinter : public Printer {
public:
    bool printLines(const std::vector<std::string>& lines) override;
    bool printImage(const QImage& image) override;
};

}  // namespace zeliro
