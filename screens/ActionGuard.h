#pragma once

#include <QObject>
#include <QWidget>

#include <functional>

namespace mv {

class Dialogs;

// Runs a user action. An error that escapes it is shown as the general error message;
// the program goes on. While an action runs the program counts as busy, so the
// automatic loading timer never starts a run in the middle of it.
class ActionGuard {
public:
    explicit ActionGuard(Dialogs& dialogs) : m_dialogs(dialogs) {}

    // Returns false when the action ended with an error.
    bool run(QWidget* parent, const std::function<void()>& action, bool waitOnError = true);
    // Opens a window: errors are caught the same way, but a modal window that stays
    // open is no operation under way, so the automatic timer goes on meanwhile. The
    // actions inside the window run under run() themselves.
    bool openWindow(QWidget* parent, const std::function<void()>& open);

    bool isBusy() const { return m_depth > 0; }
    Dialogs& dialogs() { return m_dialogs; }

    // Connects a signal to an action that runs under this guard.
    template <typename Sender, typename Signal>
    void connect(Sender* sender, Signal signal, QWidget* parent, std::function<void()> action)
    {
        QObject::connect(sender, signal, parent,
                         [this, parent, action = std::move(action)] { run(parent, action); });
    }

private:
    Dialogs& m_dialogs;
    int m_depth = 0;
};

} // namespace mv
