#pragma once
// The frame of the five calculation windows.
//
// How data flows in a calculation window:
//   decimal-comma fields (texts as typed, key filter on every key)
//     -> "CALCOLA" gathers the field texts, the options and the window-level
//        variables into the calculation's input struct
//     -> the pure calculation (core) returns an outcome: the texts for the
//        result labels, what to show or hide, the updated variables, or the
//        warning to run
//     -> the window writes the texts into its labels, or runs the warning
//        (beep, empty the given controls, show the label for its wait).
// The data report is another pure function, from the texts on screen and the
// variables to the lines that the printer seam prints. When "CALCOLA" writes
// its results it says so (resultsShown): the frame keeps the inputs they came
// from, and a data report whose results on display came from other inputs is
// refused until "CALCOLA" is pressed again, so that no paper pairs new data
// with old results. On screen such results are greyed (their texts kept, a
// screen reader told that they are out of date) until "CALCOLA" runs again or
// the inputs are back to what they were.
//
// The frame gives each window its teal client area with controls placed in
// twips, the menu bar ("Stampa", "Calcolatrice", "Leggimi", "Foto"), the two
// prints, the timed warnings and the way back to another window. Each window
// keeps pointers to the controls it reads or writes, set as it builds them.
// Fields and result labels carry the names a screen reader reads: each is
// named after the caption label that introduces it (nameAfter).

#include <QMainWindow>
#include <QPointer>
#include <QString>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/language.h"
#include "core/nec/model.h"
#include "frame/Warnings.h"

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

namespace zeliro {

class DecimalField;
class Registry;
struct PrintContent;
struct PrintResult;

// What the menu bar of a calculation window opens, besides the calculator.
struct MenuBarItems {
    QString readMeWindow;                     // e.g. "frmLEGGIMIstandard"
    QString reportAction = "stampasolodati";  // "stampadati" in the two-band window
    QString photoAction = {};                 // "fotocostr" or "FOTOmulti"; empty: no "Foto" item
    QString photoWindow = {};                 // "frmFOTOcostr" or "frmFOTOmulti"
};

class CalculationWindow : public QMainWindow {
    Q_OBJECT
public:
    CalculationWindow(Registry& registry, const QString& caption, QSize clientSize, const MenuBarItems& menu);

    // The data report of the window as it stands now, one string a line.
    virtual std::vector<std::string> dataReport() const = 0;
    // The design that "Verifica" checks: the figures on display, or none.
    virtual std::optional<nec::Design> designOnDisplay() const { return std::nullopt; }

public slots:
    void stampavideata_Click();
    void stampasolodati_Click();
    void anteprimavideata_Click();
    void anteprimadati_Click();
    void pdfvideata_Click();
    void pdfdati_Click();
    void calcolatrice_Click();
    void leggimi_Click();
    void foto_Click();
    void verifica_Click();

protected:
    Registry& registry() const { return m_registry; }
    Language language() const;
    QWidget* client() const { return m_client; }
    Warnings& warnings() { return *m_warnings; }

    DecimalField* addField(const QString& name, const QRect& geometry, const QString& tooltip = {});
    QLabel* addLabel(const QString& name, const QString& text, const QRect& geometry,
                     QWidget* parent = nullptr);
    QPushButton* addButton(const QString& name, const QString& caption, const QRect& geometry,
                           const QString& tooltip = {});
    QGroupBox* addFrame(const QString& name, const QString& title, const QRect& geometry);
    QRadioButton* addOption(QGroupBox* frame, const QString& name, const QString& caption,
                            const QRect& geometry);
    // A flat rectangle (a drawn shape) or a line of the drawing.
    QWidget* addShape(const QString& name, const QRect& geometry, const QColor& fill,
                      const QColor& border = QColor(0, 0, 0));
    QWidget* addLine(const QString& name, QPoint from, QPoint to, const QColor& colour, int width = 1);

    // Names a field or a result label for screen readers after the label
    // that introduces it.
    static void nameAfter(QWidget* control, QLabel* caption);

    // Enter in any field of the window clicks this button, drawn as the default.
    void setDefaultButton(QPushButton* button);
    // Deselects every option button of the frame without any handler running.
    static void deselectAll(QGroupBox* frame);

    // The UTF-8 text of a field or a label, and back.
    static std::string textOf(const QLineEdit* field);
    static std::string textOf(const QLabel* label);
    static void setTextOf(QLineEdit* field, const std::string& text);
    static void setTextOf(QLabel* label, const std::string& text);

    // "CALCOLA" has just written these result labels (texts or visibility)
    // from the inputs now on screen.
    void resultsShown(const QList<const QLabel*>& labels);

    // Adds "Verifica" to the menu bar, enabled while a design is on display;
    // the title says which window the verification window checks.
    void addVerification(const QString& title);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenuBar(const MenuBarItems& menu);
    void addPrintItem(QMenu* menu, const QString& name, const QString& caption,
                      void (CalculationWindow::*handler)());
    // Whether the results on display (if any) came from the inputs on screen.
    bool reportMatchesResults() const;
    // Every field's text and every option's state, as one text.
    QString inputsOnScreen() const;
    // Greys the results on display that no longer come from the inputs on
    // screen, and gives the others back their own look.
    void markStaleResults();
    void setStale(QLabel& label, bool stale);
    PrintContent windowImage() const;
    PrintContent reportContent() const;
    // "ZELIRO-dipolo-standard.pdf", "ZELIRO-dipolo-standard-videata.pdf".
    QString pdfName(bool image) const;
    void sendToPrinter(const PrintContent& content);
    void preview(const PrintContent& content);
    // A job's fate: a note in the status bar, or a message.
    void printed(const PrintResult& result, const PrintContent& content, const QString& pdfName);
    void refreshVerification();
    // The design on display while it still comes from the inputs on screen.
    std::optional<nec::Design> currentDesign() const;
    QString describe(const nec::Design& design) const;
    // Gives the verification window the design (made the first time), in front when asked.
    void openVerification(const nec::Design& design, bool toFront);

    Registry& m_registry;
    QWidget* m_client = nullptr;
    Warnings* m_warnings = nullptr;
    MenuBarItems m_menu;
    std::map<const QLabel*, QString> m_resultInputs;  // result label -> the inputs it came from
    std::map<const QLabel*, QPalette> m_freshLook;    // greyed result label -> its own palette
    bool m_watchingInputs = false;
    QAction* m_verifica = nullptr;
    QString m_verificationTitle;
    QPointer<QWidget> m_verification;  // owned by this window
    QString m_verifiedDesign;          // the design it was last given, described
};

}  // namespace zeliro
