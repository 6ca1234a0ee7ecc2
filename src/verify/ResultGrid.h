#pragma once
// The results of the verification window, band by band: a caption column and
// one column of labels per band (resonance, deviation, SWR, impedance, 2:1
// bandwidth, the measured sweep, the advice), named "risonanza1" ...
// "consiglio2". One band takes the room of both. Stale results stay in view,
// dimmed.

#include <QCoreApplication>
#include <QRect>

#include <array>
#include <string>
#include <vector>

#include "core/language.h"
#include "core/nec/analysis.h"

class QLabel;
class QWidget;

namespace zeliro {

class ResultGrid {
    Q_DECLARE_TR_FUNCTIONS(zeliro::frmVERIFICA)
public:
    // Builds the labels on `parent` in `area`.
    ResultGrid(QWidget* parent, const QRect& area, Language language);

    // Titles for the bands (a second band shown only when there is one).
    void setBands(const std::vector<nec::Band>& bands);
    // A band's figures, or empty labels without them.
    void showBand(std::size_t band, const std::optional<nec::BandTexts>& texts);
    void showMeasured(std::size_t band, const QString& text);
    void setStale(bool stale);
    // A label of figures in the grid's colours: blue on white, dimmed when stale.
    static void colourFigure(QLabel& label, bool stale = false);

private:
    struct Column {
        QLabel* title = nullptr;
        std::array<QLabel*, 7> cells{};  // in the order of the rows
    };
    std::array<Column, 2> m_columns;
    int m_bandWidth = 0;
    Language m_language;
};

}  // namespace zeliro
