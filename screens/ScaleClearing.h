#pragma once

#include <QString>

class QWidget;

namespace mv {

class ActionGuard;
class Dialogs;
class ScaleDriver;

// Empties the products and hotkeys loaded in one scale through the scale driver, after
// the user agreed. The catalogue database is not touched.
class ScaleClearing {
public:
    // With a guard, the program counts as busy from connecting to disconnecting, the
    // result box included, so no automatic run connects to a scale meanwhile.
    ScaleClearing(ScaleDriver& driver, Dialogs& dialogs, QWidget* parent, ActionGuard* guard = nullptr)
        : m_driver(driver), m_dialogs(dialogs), m_parent(parent), m_guard(guard) {}

    // Asks, connects, clears, reports, disconnects. True when the clear request was sent.
    bool run(const QString& ip);

    static QString questionText(const QString& ip);
    static QString unreachableText(const QString& ip);
    static QString clearedText(const QString& ip);

private:
    ScaleDriver& m_driver;
    Dialogs& m_dialogs;
    QWidget* m_parent;
    ActionGuard* m_guard;
};

} // namespace mv
