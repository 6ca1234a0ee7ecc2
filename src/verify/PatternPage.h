#pragma once
// The pattern page of the verification window: how the design of the results
// on display radiates at each band's design frequency. Over ground, the
// elevation pattern broadside to the wire and the azimuth pattern at the
// take-off angle; in free space, the E and H planes. Polar plots in dBi from
// the peak down 30 dB or more, a curve a band; beside them each band's peak
// gain ("guadagno1"), take-off angle ("angolo1"), -3 dB width ("larghezza1")
// and, for a lobe above 60 degrees, a note ("nota").
//
// The height study sits on a page of its own ("altezze"): a table of peak
// gain and take-off angle at heights from 1/8 to 1 wavelength.

#include <QWidget>

#include <array>

#include <optional>
#include <vector>

#include "core/language.h"
#include "verify/VerificationSession.h"

class QChartView;
class QLineSeries;
class QLabel;
class QPushButton;
class QTableWidget;

namespace zeliro {

class PatternPage : public QWidget {
    Q_OBJECT
    // The plots' titles, left to right.
    Q_PROPERTY(QStringList titles READ titles)
    // Whether the note fits its label whole.
    Q_PROPERTY(bool noteWhole READ noteWhole)
    // Whether every curve is drawn dimmed (none are drawn bright).
    Q_PROPERTY(bool curvesDimmed READ curvesDimmed)
public:
    PatternPage(QWidget* parent, Language language);

    // Draws a pattern, or empty plots and figures without one.
    void display(const std::optional<VerificationSession::Pattern>& pattern);
    // Figures of results whose options changed are dimmed.
    void setStale(bool stale);
    QStringList titles() const;
    bool noteWhole() const;
    bool curvesDimmed() const;
    QPushButton* studyButton() const { return studioAltezza; }
    QPushButton* saveButton() const { return salvaDiagramma; }

private:
    struct BandLabels {
        QLabel* title = nullptr;
        std::array<QLabel*, 3> captions{};
        std::array<QLabel*, 3> figures{};  // guadagno, angolo, larghezza
    };
    void showNote(const QString& note, std::size_t bands);

    Language m_language;
    std::array<QChartView*, 2> m_plots{};
    std::vector<QLineSeries*> m_curves;  // of both plots, owned by their charts
    std::array<BandLabels, 2> m_bands{};
    QLabel* nota = nullptr;
    QPushButton* studioAltezza = nullptr;
    QPushButton* salvaDiagramma = nullptr;
    bool m_stale = false;
    bool m_drawnEmpty = false;
};

// The height study as a table; empty without one.
class HeightPage : public QWidget {
    Q_OBJECT
public:
    HeightPage(QWidget* parent, Language language);
    // The study at the first band's design frequency, or a hint without one.
    void display(const std::optional<VerificationSession::Heights>& heights, double designMhz);
    void setStale(bool stale);

private:
    Language m_language;
    QLabel* titolo = nullptr;
    QTableWidget* tabella = nullptr;
    bool m_drawnEmpty = false;
    bool m_stale = false;
};

}  // namespace zeliro
