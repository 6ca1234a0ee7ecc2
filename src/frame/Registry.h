#pragma once
// The one way to show a window. A window is created the first time it is asked
// for (deleted again when closed), otherwise raised and activated: at most one
// copy of each exists. Every window keeps a fixed size, without a maximise
// button (keepFixedSize). Windows are known by their class name, which is also
// their objectName, so an opener needs no header of the window it opens.
//
// The registry also owns, for the whole run, the window-level variables of
// every calculation window (they outlive the window's widgets) and the two
// platform seams, beep, printer and file dialogs.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>
#include <typeindex>

#include "core/language.h"
#include "frame/FileDialogs.h"
#include "frame/Platform.h"

namespace zeliro {

class Registry : public QObject {
    Q_OBJECT
public:
    using Factory = std::function<QWidget*(Registry&)>;

    explicit Registry(QObject* parent = nullptr);
    ~Registry() override;

    // The registry of the running program (the one zeliro::start() made last).
    static Registry& current();

    template <typename Window>
    void add(const QString& name) {
        m_factories[name] = [](Registry& registry) -> QWidget* { return new Window(registry); };
    }
    bool knows(const QString& name) const { return m_factories.count(name) != 0; }
    // Every window name it knows, sorted.
    QStringList names() const;

    // Shows the window, creating it first if it is not open; an open window
    // keeps its contents and comes to the front. Unknown names do nothing.
    QWidget* show(const QString& name);
    // The window, created if it is not open, but not shown; nullptr for an
    // unknown name.
    QWidget* make(const QString& name);
    // The open window of that name, or nullptr.
    QWidget* find(const QString& name) const;
    // Closes the window if it is open.
    void close(const QString& name);
    // Closes every open window it knows of.
    void closeAll();
    // Closes the windows of the list in order, then everything else, and ends
    // the event loop.
    void terminate(const QStringList& closingOrder);

    // The window-level variables of type V, one instance for the whole run.
    template <typename V>
    V& variables() {
        auto& slot = m_variables[std::type_index(typeid(V))];
        if (!slot) slot = std::shared_ptr<void>(new V{}, [](void* p) { delete static_cast<V*>(p); });
        return *static_cast<V*>(slot.get());
    }

    // The language of this run: windows pass it to the core and give their
    // fields its decimal separator.
    Language language() const { return m_language; }
    void setLanguage(Language language) { m_language = language; }
    // The decimal separator of the language, as a character.
    QChar decimalSeparator() const { return QLatin1Char(zeliro::decimalSeparator(m_language)); }

    Beep& beep() { return *m_beep; }
    Printer& printer() { return *m_printer; }
    FileDialogs& fileDialogs() { return *m_fileDialogs; }
    // Tests put recording seams in; the registry does not own them.
    void setBeep(Beep* beep);
    void setPrinter(Printer* printer);
    void setFileDialogs(FileDialogs* dialogs);

private:
    std::map<QString, Factory> m_factories;
    std::map<QString, QPointer<QWidget>> m_open;
    // Windows made by make() and not shown yet.
    std::map<QString, QPointer<QWidget>> m_made;
    std::map<std::type_index, std::shared_ptr<void>> m_variables;
    std::unique_ptr<Beep> m_systemBeep;
    std::unique_ptr<Printer> m_systemPrinter;
    Language m_language = Language::italian;
    std::unique_ptr<FileDialogs> m_systemFileDialogs;
    Beep* m_beep = nullptr;
    Printer* m_printer = nullptr;
    FileDialogs* m_fileDialogs = nullptr;
};

}  // namespace zeliro
