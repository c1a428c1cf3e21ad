#pragma once

#include <QString>

class QWidget;

namespace mv {

class Dialogs;
class ScaleDriver;

// Empties the products and hotkeys loaded in one scale through the scale driver, after
// the user agreed. The catalogue database is not touched.
class ScaleClearing {
public:
    ScaleClearing(ScaleDriver& driver, Dialogs& dialogs, QWidget* parent)
        : m_driver(driver), m_dialogs(dialogs), m_parent(parent) {}

    // Asks, connects, clears, reports, disconnects. True when the clear request was sent.
    bool run(const QString& ip);

    static QString questionText(const QString& ip);
    static QString unreachableText(const QString& ip);
    static QString clearedText(const QString& ip);

private:
    ScaleDriver& m_driver;
    Dialogs& m_dialogs;
    QWidget* m_parent;
};

} // namespace mv
