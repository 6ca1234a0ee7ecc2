#include "frame/Warnings.h"

#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include <cmath>

#include "frame/Platform.h"

namespace zeliro {
namespace {
double scaleOfWaits = 1.0;
}

void emptyControl(QWidget* control) {
    if (auto* field = qobject_cast<QLineEdit*>(control)) field->clear();
    if (auto* label = qobject_cast<QLabel*>(control)) label->clear();
}

Warnings::Warnings(QObject& owner, Beep& beep) : QObject(&owner), m_beep(beep) {}

void Warnings::setTimeScale(double scale) { scaleOfWaits = scale; }
double Warnings::timeScale() { return scaleOfWaits; }

void Warnings::run(const Warning& warning) {
    if (warning.beepFirst) m_beep.beep();
    for (QWidget* control : warning.emptyBefore) emptyControl(control);
    if (!warning.beepFirst) m_beep.beep();

    if (warning.label) {
        warning.label->show();
        warning.label->raise();
    }
    ++m_shownBy[warning.label];
    ++m_pending;
    QElapsedTimer clock;
    clock.start();
    const auto waitMs = static_cast<qint64>(std::ceil(warning.seconds * 1000.0 * scaleOfWaits));
    waitFor(warning, clock, waitMs);
}

void Warnings::waitFor(const Warning& warning, const QElapsedTimer& clock, qint64 waitMs) {
    const qint64 left = waitMs - clock.elapsed();
    if (left <= 0) {
        finish(warning);
        return;
    }
    // A timer may fire a little early: check the clock and wait again if so.
    QTimer::singleShot(static_cast<int>(left), Qt::PreciseTimer, this,
                       [this, warning, clock, waitMs] { waitFor(warning, clock, waitMs); });
}

void Warnings::finish(const Warning& warning) {
    --m_pending;
    if (--m_shownBy[warning.label] == 0 && warning.label) warning.label->hide();
    for (QWidget* control : warning.emptyAfter) emptyControl(control);
}

}  // namespace zeliro
