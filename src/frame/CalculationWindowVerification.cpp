// A calculation window's "Verifica": the item follows the design on display,
// and the verification window it opens (a module loaded the first time)
// follows the window's design from then on.

#include <QAction>
#include <QCoreApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>

#include "core/nec/ondisplay.h"
#include "frame/CalculationWindow.h"
#include "frame/Placement.h"
#include "frame/PrintChoices.h"
#include "frame/Registry.h"
#include "frame/Verification.h"

namespace zeliro {

void CalculationWindow::addVerification(const QString& title) {
    m_verificationTitle = title;
    m_verifica = menuBar()->addAction(tr("Verifica"));
    m_verifica->setObjectName("verifica");
    connect(m_verifica, &QAction::triggered, this, &CalculationWindow::verifica_Click);
    refreshVerification();
    // Results change after a click or a key in this window (a handler, or a
    // warning that empties them): the item is looked at again then.
    QCoreApplication::instance()->installEventFilter(this);
}

bool CalculationWindow::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type == QEvent::MouseButtonRelease || type == QEvent::KeyRelease) && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this)
        QTimer::singleShot(0, this, &CalculationWindow::refreshVerification);
    return QMainWindow::eventFilter(watched, event);
}

std::optional<nec::Design> CalculationWindow::currentDesign() const {
    // A design whose inputs were changed after CALCOLA is no design to check.
    return reportMatchesResults() ? designOnDisplay() : std::nullopt;
}

void CalculationWindow::refreshVerification() {
    if (!m_verifica) return;
    const std::optional<nec::Design> design = currentDesign();
    m_verifica->setEnabled(design.has_value());
    if (!m_verification) return;
    // An open verification window follows: it takes a new design once
    // CALCOLA has shown one, and refuses to simulate one that is no longer
    // on display.
    if (design && describe(*design) != m_verifiedDesign)
        openVerification(*design, false);
    else
        QMetaObject::invokeMethod(m_verification, "setDesignCurrent", Q_ARG(bool, design.has_value()));
}

QString CalculationWindow::describe(const nec::Design& design) const {
    return QString::fromStdString(nec::describeDesign(design, m_registry.language()));
}

void CalculationWindow::verifica_Click() {
    if (!m_verifica) return;
    const std::optional<nec::Design> design = currentDesign();
    m_verifica->setEnabled(design.has_value());
    if (design) openVerification(*design, true);
}

void CalculationWindow::openVerification(const nec::Design& design, bool toFront) {
    QString error;
    const OpenVerification open = loadVerificationModule(error);
    if (!open) {
        QMessageBox::warning(this, tr("Verifica"), error);
        return;
    }
    const QString pdf =
        m_registry.language() == Language::english ? "ZELIRO-verification.pdf" : "ZELIRO-verifica.pdf";
    const auto failed = [pdf](QWidget* parent, const PrintResult& result,
                              const std::vector<std::string>& lines, const QImage& picture) {
        tellPrintFailure(parent, result, PrintContent{lines, picture}, pdf);
    };
    const auto savePdf = [pdf](QWidget* parent, const std::vector<std::string>& lines,
                               const QImage& picture) {
        askAndSavePdf(parent, PrintContent{lines, picture}, pdf);
    };
    const VerificationRequest request{objectName(),
                                      m_verificationTitle,
                                      design,
                                      &m_registry.beep(),
                                      &m_registry.printer(),
                                      &m_registry.fileDialogs(),
                                      m_registry.language(),
                                      failed,
                                      savePdf,
                                      [this] { m_registry.show("frmLEGGIMIverifica"); }};
    const bool made = !m_verification;
    m_verification = open(this, m_verification, request);
    if (!m_verification) return;
    if (made) placeOnScreen(*m_verification);
    m_verifiedDesign = describe(design);
    if (!toFront) return;
    m_verification->show();
    if (m_verification->isMinimized()) m_verification->showNormal();
    m_verification->raise();
    m_verification->activateWindow();
}

}  // namespace zeliro
