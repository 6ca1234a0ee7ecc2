// Draws the two photographs of the program in code and writes them as JPEG:
//   enamelledcoil.jpg  201 x 227  a coil of enamelled copper wire on a short
//                      round former, seen end-on, with solder lugs and nuts
//                      fixed inside the former;
//   coaxtrap.jpg       330 x 192  a trap of six close turns of black coaxial
//                      cable on a white plastic tube, a solder lug screwed to
//                      each end of the tube.
// Usage: photogen <folder>. The output is the same on every run.

#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr double degrees = pi / 180.0;

// ---- Photographic finish ---------------------------------------------------

// A soft lens: each pixel mixed with its neighbours.
QImage soften(const QImage& image) {
    QImage out(image.size(), QImage::Format_RGB32);
    const int w = image.width(), h = image.height();
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            int r = 0, g = 0, b = 0, weight = 0;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const int xx = std::clamp(x + dx, 0, w - 1), yy = std::clamp(y + dy, 0, h - 1);
                    const int k = (dx == 0 && dy == 0) ? 4 : (dx == 0 || dy == 0) ? 2 : 1;
                    const QRgb p = image.pixel(xx, yy);
                    r += qRed(p) * k;
                    g += qGreen(p) * k;
                    b += qBlue(p) * k;
                    weight += k;
                }
            }
            out.setPixel(x, y, qRgb(r / weight, g / weight, b / weight));
        }
    }
    return out;
}

// Sensor grain and a darkening towards the corners.
void finish(QImage& image, quint32 seed) {
    QRandomGenerator random(seed);
    const double cx = image.width() / 2.0, cy = image.height() / 2.0;
    const double reach = std::hypot(cx, cy);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const double d = std::hypot(x - cx, y - cy) / reach;
            const double vignette = 1.0 - 0.28 * d * d;
            const int grain = static_cast<int>(random.bounded(9)) - 4;
            const QRgb p = image.pixel(x, y);
            auto channel = [&](int value) {
                return std::clamp(static_cast<int>(value * vignette) + grain, 0, 255);
            };
            image.setPixel(x, y, qRgb(channel(qRed(p)), channel(qGreen(p)), channel(qBlue(p))));
        }
    }
}

// A soft shadow cast on the surface under an object.
void castShadow(QPainter& painter, QPointF centre, double rx, double ry, int darkness) {
    painter.save();
    painter.translate(centre);
    painter.scale(1.0, ry / rx);
    QRadialGradient shade(QPointF(0, 0), rx);
    shade.setColorAt(0.0, QColor(0, 0, 0, darkness));
    shade.setColorAt(0.65, QColor(0, 0, 0, darkness * 2 / 3));
    shade.setColorAt(1.0, QColor(0, 0, 0, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawEllipse(QPointF(0, 0), rx, rx);
    painter.restore();
}

// A polyline moved sideways by `offset` pixels, towards the light.
QPolygonF shifted(const QPolygonF& line, double offset, QPointF light) {
    QPolygonF out;
    for (int i = 0; i < line.size(); ++i) {
        const QPointF a = line[std::max(i - 1, 0)], b = line[std::min(i + 1, int(line.size()) - 1)];
        QPointF normal(-(b.y() - a.y()), b.x() - a.x());
        const double length = std::hypot(normal.x(), normal.y());
        if (length > 0) normal /= length;
        if (normal.x() * light.x() + normal.y() * light.y() < 0) normal = -normal;
        out << line[i] + normal * offset;
    }
    return out;
}

struct Stroke {
    double width;   // times the wire's width
    double offset;  // times the wire's width, towards the light
    QColor colour;
};

// A round wire or cable along a polyline, shaded as a cylinder lit from `light`.
void drawWire(QPainter& painter, const QPolygonF& line, double width, const std::vector<Stroke>& strokes,
              QPointF light, Qt::PenCapStyle cap = Qt::RoundCap) {
    for (const Stroke& stroke : strokes) {
        painter.setPen(QPen(stroke.colour, width * stroke.width, Qt::SolidLine, cap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(shifted(line, width * stroke.offset, light));
    }
}

// ---- The coil of enamelled wire, seen end-on -------------------------------

// The former is a short tube seen from above its open end. A point of it is
// given by its angle around the axis (90 degrees is the far side), its
// distance from the axis and its depth below the near rim.
struct EndOnView {
    QPointF rimCentre;
    double squash;  // how round the rim looks: 1 is straight down the axis
    double drop;    // how far down the picture one pixel of depth moves

    QPointF at(double angle, double radius, double depth) const {
        return {rimCentre.x() + radius * std::cos(angle * degrees),
                rimCentre.y() - radius * std::sin(angle * degrees) * squash + depth * drop};
    }
    QPolygonF arc(double from, double to, double radius, double depth, int steps = 90) const {
        QPolygonF points;
        for (int i = 0; i <= steps; ++i) points << at(from + (to - from) * i / steps, radius, depth);
        return points;
    }
    QPainterPath ellipse(double radius, double depth) const {
        QPainterPath path;
        path.addPolygon(arc(0, 360, radius, depth, 180));
        path.closeSubpath();
        return path;
    }
};

void drawClothSurface(QImage& image) {
    QPainter painter(&image);
    QLinearGradient cloth(0, 0, image.width() * 0.3, image.height());
    cloth.setColorAt(0.0, QColor(122, 134, 148));
    cloth.setColorAt(1.0, QColor(74, 84, 98));
    painter.fillRect(image.rect(), cloth);
    // The weave of the cloth.
    painter.setPen(QPen(QColor(255, 255, 255, 10), 1));
    for (int x = -image.height(); x < image.width(); x += 3)
        painter.drawLine(x, 0, x + image.height(), image.height());
    painter.setPen(QPen(QColor(0, 0, 0, 12), 1));
    for (int x = 0; x < image.width() + image.height(); x += 3)
        painter.drawLine(x, 0, x - image.height(), image.height());
}

// A hexagonal nut on a screw, its face turned towards the viewer.
void drawNut(QPainter& painter, QPointF centre, double size, double squash) {
    QPolygonF hexagon;
    for (int i = 0; i < 6; ++i) {
        const double a = (30 + 60 * i) * degrees;
        hexagon << centre + QPointF(size * std::cos(a), size * std::sin(a) * squash);
    }
    // The side of the nut, showing below its face.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(70, 72, 76));
    painter.drawPolygon(hexagon.translated(0, size * 0.35));
    QLinearGradient zinc(centre - QPointF(size, size), centre + QPointF(size, size));
    zinc.setColorAt(0.0, QColor(236, 238, 240));
    zinc.setColorAt(0.5, QColor(168, 172, 178));
    zinc.setColorAt(1.0, QColor(108, 112, 118));
    painter.setPen(QPen(QColor(60, 62, 66), 0.8));
    painter.setBrush(zinc);
    painter.drawPolygon(hexagon);
    // The end of the screw through the nut, with its thread.
    const double screw = size * 0.5;
    QRadialGradient steel(centre - QPointF(screw * 0.4, screw * 0.4), screw * 1.4);
    steel.setColorAt(0.0, QColor(245, 245, 245));
    steel.setColorAt(1.0, QColor(95, 98, 104));
    painter.setBrush(steel);
    painter.setPen(QPen(QColor(50, 52, 56), 0.8));
    painter.drawEllipse(centre, screw, screw * squash);
    painter.setPen(QPen(QColor(60, 60, 64, 150), 0.6));
    painter.drawEllipse(centre, screw * 0.62, screw * 0.62 * squash);
}

// A tinned solder lug: a ring under the nut and a tab with a hole, pointing
// along `direction`.
void drawSolderLug(QPainter& painter, QPointF centre, QPointF direction, double size) {
    const double length = std::hypot(direction.x(), direction.y());
    const QPointF along = direction / length;
    const QPointF across(-along.y(), along.x());
    const QPointF tip = centre + along * size * 2.3;
    QPainterPath lug;
    lug.addEllipse(centre, size * 1.15, size * 1.0);
    QPainterPath tab;
    tab.moveTo(centre + across * size * 0.75);
    tab.lineTo(tip + across * size * 0.5);
    tab.lineTo(tip - across * size * 0.5);
    tab.lineTo(centre - across * size * 0.75);
    tab.closeSubpath();
    tab.addEllipse(tip, size * 0.5, size * 0.5);
    lug = lug.united(tab);
    QPainterPath hole;
    hole.addEllipse(tip, size * 0.22, size * 0.22);
    lug = lug.subtracted(hole);
    QLinearGradient tin(centre - across * size, centre + across * size);
    tin.setColorAt(0.0, QColor(238, 232, 214));
    tin.setColorAt(0.45, QColor(198, 190, 168));
    tin.setColorAt(1.0, QColor(128, 120, 102));
    painter.setPen(QPen(QColor(80, 74, 60), 0.8));
    painter.setBrush(tin);
    painter.drawPath(lug);
}

QImage enamelledCoil() {
    QImage image(201, 227, QImage::Format_RGB32);
    drawClothSurface(image);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    const EndOnView view{QPointF(100, 82), 0.80, 0.60};
    const double outer = 84, inner = 77, height = 80;
    const double firstTurn = 10, pitch = 7.0;
    const int turns = 9;
    const double wire = pitch;
    const QPointF light(-0.55, -0.83);

    castShadow(painter, view.at(-90, 0, height) + QPointF(12, -4), outer + 18, (outer + 10) * view.squash,
               130);

    const std::vector<Stroke> copper = {
        {1.0, 0.0, QColor(92, 38, 14)},      {0.78, 0.08, QColor(148, 66, 26)},
        {0.5, 0.16, QColor(196, 104, 52)},   {0.22, 0.24, QColor(246, 178, 120)},
        {0.08, 0.26, QColor(255, 236, 210)},
    };
    // The far halves of the turns stand out around the rim: the wire lies
    // outside the former.
    for (int turn = turns - 1; turn >= 0; --turn) {
        const double depth = firstTurn + pitch * turn;
        drawWire(painter, view.arc(-4, 184, outer + wire * 0.35, depth), wire, copper, light, Qt::FlatCap);
    }

    // The outside of the former below the rim (the near half).
    QPolygonF wall = view.arc(180, 360, outer, 0);
    const QPolygonF bottom = view.arc(360, 180, outer, height);
    wall << bottom;
    QLinearGradient plastic(view.at(180, outer, 0), view.at(0, outer, 0));
    plastic.setColorAt(0.0, QColor(150, 150, 146));
    plastic.setColorAt(0.3, QColor(236, 236, 230));
    plastic.setColorAt(0.75, QColor(206, 206, 200));
    plastic.setColorAt(1.0, QColor(128, 128, 124));
    painter.setPen(Qt::NoPen);
    painter.setBrush(plastic);
    painter.drawPolygon(wall);

    // The winding: from the farthest turn to the nearest, each one half hiding
    // the one below it.
    // Each turn shows only its lower part below the nearer turn: its light
    // falls there.
    const std::vector<Stroke> turnCopper = {
        {1.0, 0.0, QColor(70, 26, 8)},       {0.8, -0.1, QColor(140, 60, 22)},
        {0.5, -0.16, QColor(200, 108, 54)},  {0.22, -0.2, QColor(250, 186, 130)},
        {0.07, -0.2, QColor(255, 240, 220)},
    };
    for (int turn = turns - 1; turn >= 0; --turn) {
        const double depth = firstTurn + pitch * turn;
        drawWire(painter, view.arc(178, 362, outer + wire * 0.35, depth), wire, turnCopper, light,
                 Qt::FlatCap);
    }
    // The winding is rounder than the light suggests: darker towards its sides.
    QPolygonF band = view.arc(180, 360, outer + wire, firstTurn - wire / 2);
    band << view.arc(360, 180, outer + wire, firstTurn + pitch * (turns - 1) + wire / 2);
    QLinearGradient roundness(view.at(180, outer + wire, 0), view.at(0, outer + wire, 0));
    roundness.setColorAt(0.0, QColor(0, 0, 0, 150));
    roundness.setColorAt(0.22, QColor(0, 0, 0, 0));
    roundness.setColorAt(0.4, QColor(255, 230, 200, 40));
    roundness.setColorAt(0.7, QColor(0, 0, 0, 10));
    roundness.setColorAt(1.0, QColor(0, 0, 0, 160));
    painter.setBrush(roundness);
    painter.drawPolygon(band);

    // The near rim of the former.
    QPainterPath rim = view.ellipse(outer, 0).subtracted(view.ellipse(inner, 0));
    QLinearGradient rimLight(view.at(135, outer, 0), view.at(-45, outer, 0));
    rimLight.setColorAt(0.0, QColor(250, 250, 246));
    rimLight.setColorAt(1.0, QColor(186, 186, 180));
    painter.setBrush(rimLight);
    painter.setPen(QPen(QColor(120, 120, 116), 0.7));
    painter.drawPath(rim);

    // Inside: the far wall of the tube, and through its other end the cloth in
    // the tube's shadow.
    const QPainterPath opening = view.ellipse(inner, 0);
    painter.save();
    painter.setClipPath(opening);
    QLinearGradient innerWall(view.at(180, inner, 0), view.at(0, inner, 0));
    innerWall.setColorAt(0.0, QColor(110, 110, 106));
    innerWall.setColorAt(0.6, QColor(176, 176, 170));
    innerWall.setColorAt(1.0, QColor(196, 196, 190));
    painter.setPen(Qt::NoPen);
    painter.setBrush(innerWall);
    painter.drawPath(opening);
    QLinearGradient depthShade(view.at(90, inner, 0), view.at(90, inner, height));
    depthShade.setColorAt(0.0, QColor(0, 0, 0, 0));
    depthShade.setColorAt(1.0, QColor(0, 0, 0, 90));
    painter.setBrush(depthShade);
    painter.drawPath(opening);
    const QPainterPath farEnd = view.ellipse(inner, height);
    QLinearGradient seenThrough(view.at(90, inner, height), view.at(-90, inner, height));
    seenThrough.setColorAt(0.0, QColor(38, 44, 52));
    seenThrough.setColorAt(1.0, QColor(60, 68, 80));
    painter.setBrush(seenThrough);
    painter.drawPath(farEnd);
    // The rim's shadow falling inside.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0, 0, 0, 60), 6));
    painter.drawPath(view.ellipse(inner + 2, 1));

    // Two screws through the wall, each holding a solder lug under its nut;
    // the ends of the winding come in through small holes and are soldered to
    // the lugs.
    const double lugDepth = height * 0.5, lugSize = 10.5;
    for (const double angle : {132.0, 48.0}) {
        const QPointF screw = view.at(angle, inner, lugDepth);
        const QPointF towardsCentre = view.at(angle, 0, lugDepth + 12) - screw;
        drawSolderLug(painter, screw, towardsCentre, lugSize);
        const double length = std::hypot(towardsCentre.x(), towardsCentre.y());
        const QPointF tab = screw + towardsCentre / length * lugSize * 2.3;
        const QPointF hole = view.at(angle + (angle > 90 ? -20 : 20), inner, lugDepth - 14);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(30, 30, 30));
        painter.drawEllipse(hole, 2.2, 1.8);
        QPolygonF lead;
        const QPointF bend = (hole + tab) / 2 + QPointF(0, 5);
        for (int i = 0; i <= 16; ++i) {
            const double t = i / 16.0;
            lead << hole * (1 - t) * (1 - t) + bend * 2 * t * (1 - t) + tab * t * t;
        }
        drawWire(painter, lead, 2.6, copper, light);
        // The solder on the tab.
        QRadialGradient solder(tab - QPointF(1.5, 1.5), 5);
        solder.setColorAt(0.0, QColor(250, 250, 250));
        solder.setColorAt(1.0, QColor(120, 122, 126));
        painter.setPen(QPen(QColor(70, 70, 74), 0.6));
        painter.setBrush(solder);
        painter.drawEllipse(tab, 4.2, 3.4);
        drawNut(painter, screw, lugSize * 0.88, 0.86);
    }
    // A third screw with its nut, which holds the coil to its support.
    drawNut(painter, view.at(90, inner, height * 0.7), 8.5, 0.86);
    painter.restore();

    painter.end();
    QImage photo = soften(image);
    finish(photo, 201227);
    return photo;
}

// ---- The trap of coaxial cable ---------------------------------------------

// Looked at from the side, a little from above and a little from the right
// end: x runs along the tube, y towards the viewer, z up.
struct SideView {
    QPointF centre;
    double yaw = 18 * degrees;
    double pitch = 16 * degrees;

    QPointF screen(double x, double y, double z) const {
        const double x1 = x * std::cos(yaw) - y * std::sin(yaw);
        const double y1 = y * std::cos(yaw) + x * std::sin(yaw);
        const double z2 = z * std::cos(pitch) - y1 * std::sin(pitch);
        return {centre.x() + x1, centre.y() - z2};
    }
    // How far towards the viewer a point stands, compared with the axis.
    double nearness(double angle) const {
        return std::cos(angle) * std::cos(yaw) * std::cos(pitch) + std::sin(angle) * std::sin(pitch);
    }
    // A point of the tube's surface (or a cable lying on it) at angle a around
    // the axis: a = 0 faces the viewer, a = 90 degrees is the top.
    QPointF around(double x, double radius, double angle) const {
        return screen(x, radius * std::cos(angle), radius * std::sin(angle));
    }
    QPainterPath ring(double x, double radius) const {
        QPainterPath path;
        for (int i = 0; i <= 180; ++i) {
            const QPointF p = around(x, radius, 2 * pi * i / 180);
            if (i == 0)
                path.moveTo(p);
            else
                path.lineTo(p);
        }
        path.closeSubpath();
        return path;
    }
};

QPolygonF convexHull(std::vector<QPointF> points) {
    std::sort(points.begin(), points.end(),
              [](QPointF a, QPointF b) { return a.x() < b.x() || (a.x() == b.x() && a.y() < b.y()); });
    auto cross = [](QPointF o, QPointF a, QPointF b) {
        return (a.x() - o.x()) * (b.y() - o.y()) - (a.y() - o.y()) * (b.x() - o.x());
    };
    std::vector<QPointF> hull(2 * points.size());
    std::size_t k = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        while (k >= 2 && cross(hull[k - 2], hull[k - 1], points[i]) <= 0) --k;
        hull[k++] = points[i];
    }
    for (std::size_t i = points.size() - 1, t = k + 1; i > 0; --i) {
        while (k >= t && cross(hull[k - 2], hull[k - 1], points[i - 1]) <= 0) --k;
        hull[k++] = points[i - 1];
    }
    hull.resize(k - 1);
    return QPolygonF(QList<QPointF>(hull.begin(), hull.end()));
}

void drawWoodSurface(QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const double grain =
                std::sin(y * 0.55 + 2.4 * std::sin(x * 0.018 + y * 0.05) + 0.9 * std::sin(x * 0.05));
            const double ring = std::sin(y * 0.13 + std::sin(x * 0.011) * 1.7);
            const double shade = 1.0 + 0.05 * grain + 0.06 * ring - 0.15 * y / image.height();
            image.setPixel(x, y,
                           qRgb(std::clamp(int(176 * shade), 0, 255), std::clamp(int(134 * shade), 0, 255),
                                std::clamp(int(92 * shade), 0, 255)));
        }
    }
}

QImage coaxTrap() {
    QImage image(330, 192, QImage::Format_RGB32);
    drawWoodSurface(image);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    const SideView view{QPointF(160, 92)};
    const double length = 212, radius = 44, wall = 4;
    const double cable = 17;  // the cable's diameter
    const int turns = 6;
    const double windingStart = -cable * turns / 2;
    const QPointF light(-0.45, -0.89);
    const double front = std::atan2(std::sin(view.pitch), std::cos(view.yaw) * std::cos(view.pitch));

    castShadow(painter, view.around(10, radius, -pi / 2) + QPointF(14, 10), length * 0.62, 26, 150);

    // The tube's outline: both end rings seen together.
    std::vector<QPointF> outline;
    for (int i = 0; i < 180; ++i) {
        outline.push_back(view.around(-length / 2, radius, 2 * pi * i / 180));
        outline.push_back(view.around(length / 2, radius, 2 * pi * i / 180));
    }
    const QPolygonF tube = convexHull(outline);

    // The cable: a helix lying on the tube, one turn beside the other.
    auto helix = [&](double from, double to) {
        QPolygonF line;
        const int steps = std::max(8, int((to - from) / (2 * degrees)));
        for (int i = 0; i <= steps; ++i) {
            const double a = from + (to - from) * i / steps;
            const double x = windingStart + cable * (a - front) / (2 * pi);
            line << view.around(x, radius + cable * 0.45, a);
        }
        return line;
    };
    const std::vector<Stroke> jacket = {
        {1.0, 0.0, QColor(14, 14, 16)},      {0.7, 0.14, QColor(34, 34, 38)},
        {0.42, 0.24, QColor(58, 58, 64)},    {0.18, 0.3, QColor(96, 96, 104)},
        {0.06, 0.32, QColor(160, 160, 168)},
    };
    const double start = front + 0.5 * pi - 0.35;  // the cable comes out of the tube near its top
    const double end = start + 2 * pi * turns;
    // Each turn has a near half (centred on the angle facing the viewer) and a
    // far half; the far halves come first: the tube hides them but where they
    // stand out.
    auto eachHalf = [&](double centre, const std::vector<Stroke>& strokes) {
        for (double a = centre - 2 * pi * (turns + 1); a < end + pi; a += 2 * pi) {
            const double from = std::max(start, a - 0.5 * pi), to = std::min(end, a + 0.5 * pi);
            if (from < to) drawWire(painter, helix(from, to), cable, strokes, light);
        }
    };
    const std::vector<Stroke> jacketInShade = {{1.0, 0.0, QColor(10, 10, 12)},
                                               {0.5, 0.2, QColor(30, 30, 34)}};
    eachHalf(front + pi, jacketInShade);

    QLinearGradient plastic(view.around(0, radius, pi / 2 + 0.2), view.around(0, radius, -pi / 2 - 0.2));
    plastic.setColorAt(0.0, QColor(200, 200, 196));
    plastic.setColorAt(0.18, QColor(252, 252, 250));
    plastic.setColorAt(0.45, QColor(238, 238, 234));
    plastic.setColorAt(0.85, QColor(188, 188, 184));
    plastic.setColorAt(1.0, QColor(150, 150, 146));
    painter.setPen(QPen(QColor(150, 150, 146), 0.8));
    painter.setBrush(plastic);
    painter.drawPolygon(tube);

    // The right-hand end of the tube, open.
    const QPainterPath endRing = view.ring(length / 2, radius);
    const QPainterPath inside = view.ring(length / 2, radius - wall);
    painter.setBrush(QColor(236, 236, 232));
    painter.drawPath(endRing);
    QLinearGradient hollow(view.around(length / 2, radius, pi / 2), view.around(length / 2, radius, -pi / 2));
    hollow.setColorAt(0.0, QColor(60, 58, 54));
    hollow.setColorAt(0.6, QColor(120, 118, 112));
    hollow.setColorAt(1.0, QColor(170, 168, 162));
    painter.setPen(QPen(QColor(110, 110, 106), 0.6));
    painter.setBrush(hollow);
    painter.drawPath(inside);

    // The near halves, each turn on the one before, with their shadow on the tube.
    const std::vector<Stroke> shadow = {{1.35, -0.25, QColor(0, 0, 0, 45)}};
    eachHalf(front, shadow);
    eachHalf(front, jacket);
    // The two ends of the cable go into holes in the tube.
    for (const double a : {start, end}) {
        const double x =
            windingStart + cable * (a - front) / (2 * pi) + (a == start ? -cable * 0.7 : cable * 0.7);
        const QPointF hole = view.around(x, radius, a);
        painter.setPen(QPen(QColor(110, 110, 106), 0.8));
        painter.setBrush(QColor(24, 22, 20));
        painter.drawEllipse(hole, cable * 0.42, cable * 0.3);
        drawWire(painter,
                 QPolygonF() << view.around(x + (a == start ? cable * 0.55 : -cable * 0.55),
                                            radius + cable * 0.45, a)
                             << hole,
                 cable, jacket, light, Qt::FlatCap);
    }

    // A solder lug screwed near each end of the tube, its tab beyond the end.
    for (const int side : {-1, 1}) {
        const double x = side * (length / 2 - 13);
        const double a = front + 0.55;
        const QPointF screw = view.around(x, radius, a);
        const QPointF outward = view.around(x + side * 10, radius, a) - screw;
        QPainterPath lug;
        const double w = 8;
        const QPointF along = outward / std::hypot(outward.x(), outward.y());
        const QPointF across(-along.y(), along.x());
        const QPointF tip = screw + along * 42;
        lug.addEllipse(screw, w * 1.25, w * 1.1);
        QPainterPath tab;
        tab.moveTo(screw + across * w);
        tab.lineTo(tip + across * w * 0.8);
        tab.lineTo(tip - across * w * 0.8);
        tab.lineTo(screw - across * w);
        tab.closeSubpath();
        tab.addEllipse(tip, w * 0.8, w * 0.8);
        lug = lug.united(tab);
        QPainterPath hole;
        hole.addEllipse(tip, w * 0.34, w * 0.34);
        lug = lug.subtracted(hole);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 70));
        painter.drawPath(lug.translated(3, 4));
        QLinearGradient tin(screw - across * w - QPointF(0, 3), screw + across * w + QPointF(0, 3));
        tin.setColorAt(0.0, QColor(242, 236, 218));
        tin.setColorAt(0.4, QColor(206, 198, 176));
        tin.setColorAt(1.0, QColor(132, 124, 106));
        painter.setPen(QPen(QColor(84, 78, 64), 0.8));
        painter.setBrush(tin);
        painter.drawPath(lug);
        // The screw's head, with its slot.
        QRadialGradient head(screw - QPointF(2.5, 2.5), 9);
        head.setColorAt(0.0, QColor(250, 250, 250));
        head.setColorAt(1.0, QColor(100, 104, 110));
        painter.setPen(QPen(QColor(60, 62, 66), 0.8));
        painter.setBrush(head);
        painter.drawEllipse(screw, 6.5, 5.8);
        painter.setPen(QPen(QColor(40, 40, 44), 1.6));
        painter.drawLine(screw + QPointF(-4.5, 1.5), screw + QPointF(4.5, -1.5));
    }

    painter.end();
    QImage photo = soften(image);
    finish(photo, 330192);
    return photo;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: photogen <folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const bool written = enamelledCoil().save(folder + "/enamelledcoil.jpg", "JPEG", 90) &&
                         coaxTrap().save(folder + "/coaxtrap.jpg", "JPEG", 90);
    if (!written) std::fprintf(stderr, "photogen: cannot write into %s\n", argv[1]);
    return written ? 0 : 1;
}
