#pragma once
// The file dialogs of the program as a seam, beside beep and printer: the
// program asks the system's dialogs, tests answer with the names they choose.

#include <QString>

class QWidget;

namespace zeliro {

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The file to read or to write, or an empty name when the user cancels.
    // filter as QFileDialog takes it ("Touchstone (*.s1p);;CSV (*.csv)").
    virtual QString openFileName(QWidget* parent, const QString& caption, const QString& filter) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& suggestedName,
                                 const QString& filter) = 0;
};

class SystemFileDialogs : public FileDialogs {
public:
    QString openFileName(QWidget* parent, const QString& caption, const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& caption, const QString& suggestedName,
                         const QString& filter) override;
};

}  // namespace zeliro
