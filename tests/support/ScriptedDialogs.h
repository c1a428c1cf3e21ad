#pragma once

#include "screens/Dialogs.h"

#include <QList>

#include <functional>
#include <QString>
#include <QStringList>

namespace mv::test {

// Boxes answered by script: every box is recorded with its kind, caption and text;
// questions take the next answer from the queue ("Hayır" when the queue is empty).
class ScriptedDialogs : public Dialogs {
public:
    struct Shown {
        QString kind; // "ask", "notice", "warning", "error"
        QString caption;
        QString text;
    };

    void answer(bool yes) { m_answers << yes; }
    // Runs while each box is "open", as the event loop of a real box would run timers.
    std::function<void()> whileOpen;

    bool ask(QWidget* parent, const QString& text, const QString& caption) override;
    void notice(QWidget* parent, const QString& text, Icon icon) override;
    void warning(QWidget* parent, const QString& text) override;
    void error(QWidget* parent, const QString& text, bool wait) override;

    const QList<Shown>& shown() const { return m_shown; }
    QStringList texts(const QString& kind) const;
    void clear() { m_shown.clear(); }

private:
    QList<bool> m_answers;
    QList<Shown> m_shown;
};

} // namespace mv::test
