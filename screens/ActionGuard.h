#pragma once

#include "screens/Dialogs.h"

#include <QList>
#include <QObject>
#include <QWidget>

#include <functional>

namespace mv {

// Runs a user action. An error that escapes it is shown as the general error message;
// the program goes on.
//
// While an action works the program counts as busy, so the automatic loading timer
// never starts a run in the middle of it. An action that waits for the user (a box, a
// card) is no work under way: the timer goes on meanwhile, as it does while any modal
// window is open. The boxes of boxes() and waitForUser() mark such waits; holdBusy()
// keeps the program busy across a wait when the work must not be interleaved (a scale
// connection that is open).
class ActionGuard {
public:
    explicit ActionGuard(Dialogs& dialogs);

    // Returns false when the action ended with an error.
    bool run(QWidget* parent, const std::function<void()>& action, bool waitOnError = true);
    // Opens a window: errors are caught the same way, without counting as work.
    bool openWindow(QWidget* parent, const std::function<void()>& open);

    bool isBusy() const;

    // The boxes, each shown as a wait for the user. Screens take their boxes from here.
    Dialogs& boxes() { return m_boxes; }

    // Marks a wait for the user for as long as the returned object lives.
    class UserWait {
    public:
        explicit UserWait(ActionGuard& guard);
        ~UserWait();
        UserWait(const UserWait&) = delete;
        UserWait& operator=(const UserWait&) = delete;

    private:
        ActionGuard& m_guard;
    };
    UserWait waitForUser() { return UserWait(*this); }

    // Keeps the program busy for as long as the returned object lives, waits included.
    class BusyHold {
    public:
        explicit BusyHold(ActionGuard& guard) : m_guard(guard) { ++m_guard.m_holds; }
        ~BusyHold() { --m_guard.m_holds; }
        BusyHold(const BusyHold&) = delete;
        BusyHold& operator=(const BusyHold&) = delete;

    private:
        ActionGuard& m_guard;
    };

    // Connects a signal to an action that runs under this guard.
    template <typename Sender, typename Signal>
    void connect(Sender* sender, Signal signal, QWidget* parent, std::function<void()> action)
    {
        QObject::connect(sender, signal, parent, [this, parent, action = std::move(action)] { run(parent, action); });
    }

private:
    // Forwards every box to the real dialogs, marking it as a wait for the user.
    class WaitingBoxes : public Dialogs {
    public:
        WaitingBoxes(ActionGuard& guard, Dialogs& inner) : m_guard(guard), m_inner(inner) {}
        bool ask(QWidget* parent, const QString& text, const QString& caption) override;
        void notice(QWidget* parent, const QString& text, Icon icon) override;
        void warning(QWidget* parent, const QString& text) override;
        void error(QWidget* parent, const QString& text, bool wait) override;

    private:
        ActionGuard& m_guard;
        Dialogs& m_inner;
    };

    Dialogs& m_dialogs;
    WaitingBoxes m_boxes;
    int m_depth = 0;
    int m_holds = 0;
    // The action depth at which each wait for the user began, innermost last.
    QList<int> m_waits;
};

} // namespace mv
