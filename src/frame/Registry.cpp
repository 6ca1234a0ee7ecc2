#include "frame/Registry.h"

#include <QApplication>
#include <QCoreApplication>

#include "frame/Look.h"
#include "frame/Placement.h"
#include "frame/SystemPrinter.h"

namespace zeliro {
namespace {
QPointer<Registry> currentRegistry;
}

Registry::Registry(QObject* parent)
    : QObject(parent),
      m_systemBeep(std::make_unique<SystemBeep>()),
      m_systemPrinter(std::make_unique<SystemPrinter>()),
      m_systemFileDialogs(std::make_unique<SystemFileDialogs>()),
      m_beep(m_systemBeep.get()),
      m_printer(m_systemPrinter.get()),
      m_fileDialogs(m_systemFileDialogs.get()) {
    setObjectName("registry");
    currentRegistry = this;
}

Registry::~Registry() {
    // When the application itself is going away, its widgets go with it.
    if (!QCoreApplication::instance()) return;
    for (auto& [name, window] : m_open)
        if (window) delete window.data();
}

Registry& Registry::current() {
    if (!currentRegistry) currentRegistry = new Registry(QCoreApplication::instance());
    return *currentRegistry;
}

QWidget* Registry::make(const QString& name) {
    if (QWidget* window = find(name)) return window;
    // Made earlier and not shown yet (find() counts only shown windows).
    if (const auto made = m_made.find(name); made != m_made.end() && made->second) return made->second;
    const auto factory = m_factories.find(name);
    if (factory == m_factories.end()) return nullptr;
    QWidget* window = factory->second(*this);
    window->setObjectName(name);
    window->setAttribute(Qt::WA_DeleteOnClose);
    // Every window of the program has its controls at fixed places.
    keepFixedSize(*window);
    // Inside the screen, where the window system's panels leave room.
    placeOnScreen(*window);
    m_open[name] = window;
    m_made[name] = window;
    return window;
}

QWidget* Registry::show(const QString& name) {
    QWidget* window = make(name);
    if (!window) return nullptr;
    m_made.erase(name);
    window->show();
    if (window->isMinimized()) window->showNormal();
    window->raise();
    window->activateWindow();
    return window;
}

QStringList Registry::names() const {
    QStringList all;
    for (const auto& [name, factory] : m_factories) all << name;
    return all;
}

QWidget* Registry::find(const QString& name) const {
    // A closed window is hidden at once and deleted a moment later: it no
    // longer counts as open.
    const auto it = m_open.find(name);
    if (it == m_open.end() || !it->second || !it->second->isVisible()) return nullptr;
    return it->second.data();
}

void Registry::close(const QString& name) {
    if (QWidget* window = find(name)) window->close();
}

void Registry::closeAll() {
    // Copy first: closing deletes the window and empties its entry.
    std::vector<QPointer<QWidget>> windows;
    for (auto& [name, window] : m_open)
        if (window) windows.push_back(window);
    for (auto& window : windows)
        if (window) window->close();
}

void Registry::terminate(const QStringList& closingOrder) {
    for (const QString& name : closingOrder) close(name);
    closeAll();
    QCoreApplication::quit();
}

void Registry::setBeep(Beep* beep) { m_beep = beep ? beep : m_systemBeep.get(); }
void Registry::setPrinter(Printer* printer) { m_printer = printer ? printer : m_systemPrinter.get(); }
void Registry::setFileDialogs(FileDialogs* dialogs) {
    m_fileDialogs = dialogs ? dialogs : m_systemFileDialogs.get();
}

}  // namespace zeliro
