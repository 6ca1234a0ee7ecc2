#pragma once
// The timed warnings of a calculation window (errore1 ... errore4): beep,
// empty the given controls, show the warning label for its wait, hide it, then
// empty the controls named for afterwards. Nothing blocks: a precise
// single-shot timer ends the wait, measured on a monotonic clock, so every
// window stays usable and the processor idle meanwhile. A second warning on
// the same label keeps it visible until the later wait ends. The timers belong
// to the window, so closing the window cancels its pending warnings.

#include <QElapsedTimer>
#include <QList>
#include <QObject>

#include <map>

class QLabel;
class QWidget;

namespace zeliro {

class Beep;

// A warning routine: its label, its wait, and the text boxes and labels it
// empties, all of the window that runs it.
struct Warning {
    QLabel* label = nullptr;      // the warning label
    int seconds = 4;              // how long the label stays
    QList<QWidget*> emptyBefore;  // emptied when the warning starts
    QList<QWidget*> emptyAfter;   // emptied when the wait is over
    bool beepFirst = true;        // false: empty the controls, then beep
};

class Warnings : public QObject {
    Q_OBJECT
public:
    // The timers belong to the owner (the window): they end with it.
    Warnings(QObject& owner, Beep& beep);

    void run(const Warning& warning);
    // How many warnings are waiting now.
    int pending() const { return m_pending; }

    // Tests shorten every wait by this factor (1 for the program).
    static void setTimeScale(double scale);
    static double timeScale();

private:
    void finish(const Warning& warning);
    void waitFor(const Warning& warning, const QElapsedTimer& clock, qint64 waitMs);
    Beep& m_beep;
    std::map<QLabel*, int> m_shownBy;  // label -> warnings now showing it
    int m_pending = 0;
};

// Empties a text box or a label.
void emptyControl(QWidget* control);

}  // namespace zeliro
