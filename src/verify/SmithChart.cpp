#include "verify/SmithChart.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

#include "core/nec/smith.h"
#include "core/numbers.h"
#include "frame/Look.h"

namespace zeliro {
namespace {

// The grid's circles, in multiples of the reference.
constexpr double gridSteps[] = {0.2, 0.5, 1, 2, 5};
// Room around the rim; the corners outside it hold the legends.
constexpr int rimMargin = 4;
// A point this far out (a resistance below zero) is left off the chart.
constexpr double farOutside = 4;

const QColor gridColour(185, 185, 185);
const QColor goodFill(120, 220, 120, 90);
const QColor goodEdge(0, 140, 0);

QFont smallFont(double points, bool bold = false) {
    QFont font = sansFont(8, bold);
    font.setPointSizeF(points);
    return font;
}

// Where a point of a sweep stands; none without a reflection, or far outside
// the rim, where it breaks the line.
std::optional<nec::Reflection> onChart(const nec::Row& row, double referenceOhm) {
    const auto gamma = nec::reflection(row.resistanceOhm, row.reactanceOhm, referenceOhm);
    if (!gamma || std::abs(*gamma) > farOutside) return std::nullopt;
    return gamma;
}

QColor faded(const QColor& colour, bool stale) {
    if (!stale) return colour;
    QColor pale = colour;
    pale.setAlpha(70);
    return pale;
}

// The chart's plane on the widget: the unit circle of Γ centred and as large
// as the widget lets it be.
class Plane {
public:
    explicit Plane(const QRectF& area)
        : m_centre(area.center()), m_radius(std::min(area.width(), area.height()) / 2 - rimMargin) {}
    QPointF at(nec::Reflection gamma) const {
        return {m_centre.x() + m_radius * gamma.real(), m_centre.y() - m_radius * gamma.imag()};
    }
    QRectF circle(const nec::Circle& c) const {
        const QPointF centre = at(c.centre);
        const double r = m_radius * c.radius;
        return {centre.x() - r, centre.y() - r, 2 * r, 2 * r};
    }
    double radius() const { return m_radius; }

private:
    QPointF m_centre;
    double m_radius;
};

void drawGrid(QPainter& painter, const Plane& plane, Language language) {
    QPainterPath disc;
    disc.addEllipse(plane.circle({{0, 0}, 1}));
    painter.save();
    painter.setClipPath(disc);
    painter.setPen(QPen(gridColour, 1));
    painter.setBrush(Qt::NoBrush);
    for (double step : gridSteps) {
        painter.drawEllipse(plane.circle(nec::resistanceCircle(step)));
        painter.drawEllipse(plane.circle(nec::reactanceCircle(step)));
        painter.drawEllipse(plane.circle(nec::reactanceCircle(-step)));
    }
    painter.drawLine(plane.at({-1, 0}), plane.at({1, 0}));
    painter.restore();
    painter.setPen(QPen(Qt::darkGray, 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(plane.circle({{0, 0}, 1}));

    painter.setFont(smallFont(6));
    painter.setPen(Qt::darkGray);
    const QFontMetrics metrics(painter.font());
    for (double step : gridSteps) {
        const QString figure = QString::fromStdString(formatDouble(step, language));
        // The resistance on the horizontal axis, just above it and left of its circle's crossing.
        const QPointF onAxis = plane.at(*nec::reflection(step, 0, 1));
        painter.drawText(QPointF(onAxis.x() - metrics.horizontalAdvance(figure) - 1, onAxis.y() - 2), figure);
        // The reactance just inside the rim, where its arc meets it.
        for (double sign : {1.0, -1.0}) {
            const nec::Reflection rim = *nec::reflection(0, sign * step, 1);
            const QString text = (sign < 0 ? "-j" : "j") + figure;
            const QPointF in = plane.at(rim * (1 - 9 / plane.radius()));
            const QRectF box(in.x() - 20, in.y() - 6, 40, 12);
            painter.drawText(box.translated(-rim.real() * 9, 0), Qt::AlignCenter, text);
        }
    }
}

// The label stands away from the horizontal axis: below a mark on or under it, above one over it.
void drawMark(QPainter& painter, const QPointF& at, const SmithMark& mark, bool stale,
              bool labelBelow = true) {
    const QColor colour = faded(mark.colour, stale);
    if (mark.kind == SmithMark::Kind::designFrequency) {
        painter.setPen(QPen(faded(Qt::black, stale), 1));
        painter.setBrush(colour);
        painter.drawRect(QRectF(at.x() - 3.5, at.y() - 3.5, 7, 7));
    } else {
        painter.setPen(QPen(colour, 2));
        painter.setBrush(Qt::white);
        painter.drawEllipse(at, 4.5, 4.5);
    }
    if (mark.label.isEmpty()) return;
    painter.setFont(smallFont(6.5, true));
    painter.setPen(faded(Qt::black, stale));
    painter.drawText(QPointF(at.x() + 6, at.y() + (labelBelow ? 11 : -5)), mark.label);
}

}  // namespace

SmithChart::SmithChart(QWidget* parent, Language language) : QWidget(parent), m_language(language) {
    setObjectName("cartaSmith");
    setAccessibleName(tr("Carta di Smith"));
}

void SmithChart::draw(double referenceOhm, std::vector<SmithCurve> curves, std::vector<SmithMark> marks) {
    m_referenceOhm = referenceOhm;
    m_curves = std::move(curves);
    m_marks = std::move(marks);
    setAccessibleDescription(
        tr("Normalizzata a %1 Ω").arg(QString::fromStdString(formatDouble(referenceOhm, m_language))));
    update();
}

void SmithChart::setStale(bool stale) {
    if (stale == m_stale) return;
    m_stale = stale;
    update();
}

QStringList SmithChart::curveNames() const {
    QStringList names;
    for (const SmithCurve& curve : m_curves) names << curve.name;
    return names;
}

int SmithChart::pointCount() const {
    int count = 0;
    for (const SmithCurve& curve : m_curves)
        for (const auto& band : curve.bands)
            for (const nec::Row& row : band) count += onChart(row, m_referenceOhm).has_value();
    return count;
}

QVariantMap SmithChart::markPoints() const {
    QVariantMap points;
    for (const SmithMark& mark : m_marks)
        if (const auto gamma = onChart(mark.at, m_referenceOhm))
            points.insert(mark.name, QPointF(gamma->real(), gamma->imag()));
    return points;
}

void SmithChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::white);
    const Plane plane(rect());
    painter.setPen(QPen(goodEdge, 1, Qt::DashLine));
    painter.setBrush(goodFill);
    painter.drawEllipse(plane.circle(nec::swrCircle(2)));
    drawGrid(painter, plane, m_language);

    const auto place = [&](const nec::Row& row) -> std::optional<QPointF> {
        const auto gamma = onChart(row, m_referenceOhm);
        return gamma ? std::optional<QPointF>(plane.at(*gamma)) : std::nullopt;
    };
    QPainterPath disc;
    disc.addEllipse(plane.circle({{0, 0}, 1.02}));
    painter.save();
    painter.setClipPath(disc);
    painter.setBrush(Qt::NoBrush);
    for (const SmithCurve& curve : m_curves) {
        painter.setPen(QPen(faded(curve.colour, m_stale && curve.simulated), 2, Qt::SolidLine, Qt::RoundCap,
                            Qt::RoundJoin));
        for (const auto& band : curve.bands) {
            // A point that has no place on the chart breaks the line.
            QPolygonF line;
            for (const nec::Row& row : band) {
                if (const auto at = place(row)) {
                    line << *at;
                    continue;
                }
                painter.drawPolyline(line);
                line.clear();
            }
            painter.drawPolyline(line);
        }
    }
    painter.restore();
    for (const SmithMark& mark : m_marks)
        if (const auto at = place(mark.at))
            drawMark(painter, *at, mark, m_stale && mark.simulated, at->y() >= plane.at({0, 0}).y());
    drawLegends(painter);
}

// The corners: the reference, the curves, what the marks and the shading mean.
void SmithChart::drawLegends(QPainter& painter) const {
    painter.setFont(smallFont(7, true));
    const QFontMetrics metrics(painter.font());
    const int line = metrics.height();
    painter.setPen(Qt::black);
    painter.drawText(QPointF(3, line), QString("Z0 %1 Ω").arg(
                                           QString::fromStdString(formatDouble(m_referenceOhm, m_language))));
    int top = 0;
    for (const SmithCurve& curve : m_curves) {
        top += line;
        const qreal left = width() - 3 - metrics.horizontalAdvance(curve.name);
        painter.setPen(QPen(faded(curve.colour, m_stale && curve.simulated), 2));
        painter.drawLine(QPointF(left - 14, top - line / 3.0), QPointF(left - 3, top - line / 3.0));
        painter.setPen(Qt::black);
        painter.drawText(QPointF(left, top), curve.name);
    }
    const QFont font = smallFont(6.5);
    const int step = QFontMetrics(font).height();
    const int bottom = height() - 3;
    const std::pair<SmithMark, QString> meanings[] = {
        {{{}, SmithMark::Kind::designFrequency, Qt::white, {}, {}}, tr("frequenza di progetto")},
        {{{}, SmithMark::Kind::resonance, Qt::black, {}, {}}, tr("risonanza")}};
    int baseline = bottom - step;
    for (const auto& [sample, meaning] : meanings) {
        drawMark(painter, QPointF(7, baseline - 3), sample, false);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QPointF(14, baseline), meaning);
        baseline += step;
    }
    const QString good = "SWR 2:1";
    const qreal right = width() - 3 - QFontMetrics(font).horizontalAdvance(good);
    painter.setPen(QPen(goodEdge, 1, Qt::DashLine));
    painter.setBrush(goodFill);
    painter.drawRect(QRectF(right - 13, bottom - 7, 10, 7));
    painter.setPen(Qt::black);
    painter.drawText(QPointF(right, bottom), good);
}

}  // namespace zeliro
