#include "frame/Placement.h"

#include <QApplication>
#include <QEvent>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>

namespace zeliro {
namespace {

const char scrollName[] = "clientScroll";
const char frameWatchName[] = "frameWatch";

// The frame seen on the last window shown with one; until then a common
// title bar and border, or none where the platform draws no frames.
QMargins& knownFrame() {
    static QMargins frame = [] {
        const QString platform = QGuiApplication::platformName();
        return platform == "offscreen" || platform == "minimal" ? QMargins() : QMargins(4, 30, 4, 4);
    }();
    return frame;
}

// The window system's frame around a shown window, once it has told it.
std::optional<QMargins> frameOf(const QWidget& window) {
    const QRect outer = window.frameGeometry();
    const QRect inner = window.geometry();
    if (!window.isVisible() || outer == inner) return std::nullopt;
    return QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                    outer.bottom() - inner.bottom());
}

QScreen* screenFor(const QWidget& window) {
    if (const QWidget* active = QApplication::activeWindow(); active && active != &window && active->screen())
        return active->screen();
    return window.screen() ? window.screen() : QGuiApplication::primaryScreen();
}

// The plain window's children, moved into one widget of the window's size
// that a scroll area can hold.
QWidget* takeContents(QWidget& window) {
    auto* contents = new QWidget;
    contents->setObjectName("clientArea");
    contents->setPalette(window.palette());
    contents->setAutoFillBackground(true);
    contents->setFixedSize(window.size());
    for (QWidget* child : window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child->isWindow()) continue;
        const bool hidden = child->testAttribute(Qt::WA_WState_ExplicitShowHide) && child->isHidden();
        const QRect geometry = child->geometry();
        child->setParent(contents);
        child->setGeometry(geometry);
        child->setVisible(!hidden);
    }
    return contents;
}

// The scroll area's size: the contents' own where the room allows, a scroll
// bar's width more on the side where the other direction must scroll.
QSize scrollSize(QSize contents, QSize room, int bar) {
    bool across = contents.width() > room.width();
    bool down = contents.height() > room.height();
    across = across || (down && contents.width() + bar > room.width());
    down = down || (across && contents.height() + bar > room.height());
    return {std::min(contents.width() + (down ? bar : 0), room.width()),
            std::min(contents.height() + (across ? bar : 0), room.height())};
}

// Cuts a window larger than `room` (its size without the frame) down to
// it, its client area in a scroll area.
void fitInto(QWidget& window, QSize room) {
    if (QLayout* layout = window.layout()) layout->activate();
    // The size it would be shown at.
    if (!window.isVisible() && !window.testAttribute(Qt::WA_Resized)) window.adjustSize();
    auto* main = qobject_cast<QMainWindow*>(&window);
    auto* scroll = window.findChild<QScrollArea*>(scrollName);
    // What the window has besides its client area: the menu and status bars.
    QSize bars(0, 0);
    if (scroll) {
        if (main) bars = window.size() - scroll->size();
    } else {
        const bool fits = window.width() <= room.width() && window.height() <= room.height();
        if (fits || (main && !main->centralWidget())) return;
        if (main) bars = window.size() - main->centralWidget()->size();
        scroll = new QScrollArea;
        scroll->setObjectName(scrollName);
        scroll->setFrameShape(QFrame::NoFrame);
        QWidget* contents = nullptr;
        if (main) {
            contents = main->takeCentralWidget();
            main->setCentralWidget(scroll);
        } else {
            contents = takeContents(window);
            auto* layout = new QVBoxLayout(&window);
            layout->setContentsMargins(0, 0, 0, 0);
            layout->setSizeConstraint(QLayout::SetFixedSize);
            layout->addWidget(scroll);
        }
        scroll->setWidget(contents);
        // A window already on screen shows its new scroll area at once.
        if (window.isVisible()) scroll->show();
    }
    const int bar = window.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll);
    scroll->setFixedSize(scrollSize(scroll->widget()->size(), room - bars, bar));
    window.layout()->activate();
    window.adjustSize();
}

// Moves a shown window back inside its screen's area once its frame is known,
// and learns the frame.
class FrameWatch : public QObject {
public:
    explicit FrameWatch(QWidget& window) : QObject(&window), m_window(window) {
        setObjectName(frameWatchName);
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (watched == &m_window &&
            (type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize)) {
            if (const std::optional<QMargins> frame = frameOf(m_window)) {
                m_window.removeEventFilter(this);
                knownFrame() = *frame;
                const QRect available = m_window.screen()->availableGeometry();
                fitInto(m_window, available.size().shrunkBy(*frame));
                const QRect outer = m_window.frameGeometry();
                if (!available.contains(outer)) m_window.move(keptWithin(outer, available));
                deleteLater();
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget& m_window;
};

}  // namespace

QPoint centredWithin(QSize outer, const QRect& available) {
    return {available.left() + std::max(0, (available.width() - outer.width()) / 2),
            available.top() + std::max(0, (available.height() - outer.height()) / 2)};
}

QPoint keptWithin(const QRect& outer, const QRect& available) {
    const auto within = [](int start, int length, int low, int room) {
        return std::max(low, std::min(start, low + room - length));
    };
    return {within(outer.left(), outer.width(), available.left(), available.width()),
            within(outer.top(), outer.height(), available.top(), available.height())};
}

void placeWithin(QWidget& window, const QRect& available, const QMargins& frame) {
    fitInto(window, available.size().shrunkBy(frame));
    // A window's position is that of its frame.
    window.move(centredWithin(window.size().grownBy(frame), available));
}

void placeOnScreen(QWidget& window) {
    placeWithin(window, screenFor(window)->availableGeometry(), knownFrame());
    if (!window.findChild<QObject*>(frameWatchName, Qt::FindDirectChildrenOnly)) new FrameWatch(window);
}

bool scrollsClientArea(const QWidget& window) {
    return window.findChild<QScrollArea*>(scrollName) != nullptr;
}

}  // namespace zeliro
