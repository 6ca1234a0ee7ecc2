#pragma once
// The Smith chart of the verification window, drawn by hand: the rim, the
// circles of constant resistance and arcs of constant reactance at 0,2; 0,5;
// 1; 2; 5 times the reference, the SWR 2:1 circle shaded as on the SWR plot,
// and the curves of the sweeps (a polyline a band, by rising frequency, so
// clockwise) with marks at the design frequency and at the resonance. The
// reference the chart is normalised to stands in its top-left corner, the
// names of the curves in the top-right one, what the marks mean at the bottom.
// Simulated curves of results whose options changed are drawn faded.

#include <QColor>
#include <QString>
#include <QVariantMap>
#include <QWidget>

#include <vector>

#include "core/language.h"
#include "core/nec/output.h"

class QPainter;

namespace zeliro {

struct SmithCurve {
    QString name;  // in the legend
    QColor colour;
    std::vector<std::vector<nec::Row>> bands;  // one line a band
    bool simulated = true;                     // faded with stale results; a measurement is not
};

struct SmithMark {
    enum class Kind { designFrequency, resonance };
    QString name;  // an id: "progetto1", "risonanza1", "misuraProgetto1"...
    Kind kind = Kind::designFrequency;
    QColor colour;
    nec::Row at;
    QString label;  // beside the mark; may be empty
    bool simulated = true;
};

class SmithChart : public QWidget {
    Q_OBJECT
    // For tests: the curves drawn, their points, and where each mark stands
    // (its reflection coefficient as a point, real part first); points on the chart only.
    Q_PROPERTY(QStringList curves READ curveNames)
    Q_PROPERTY(int points READ pointCount)
    Q_PROPERTY(QVariantMap marks READ markPoints)
    Q_PROPERTY(bool stale READ stale)

public:
    SmithChart(QWidget* parent, Language language);

    void draw(double referenceOhm, std::vector<SmithCurve> curves, std::vector<SmithMark> marks);
    void setStale(bool stale);
    bool stale() const { return m_stale; }

    QStringList curveNames() const;
    int pointCount() const;
    QVariantMap markPoints() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void drawLegends(QPainter& painter) const;

    Language m_language;
    double m_referenceOhm = 50;
    std::vector<SmithCurve> m_curves;
    std::vector<SmithMark> m_marks;
    bool m_stale = false;
};

}  // namespace zeliro
