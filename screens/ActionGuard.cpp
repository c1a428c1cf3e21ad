#include "screens/ActionGuard.h"

#include "screens/Dialogs.h"

#include <QApplication>

#include <exception>

namespace mv {

namespace {

// Restores the cursor and the busy mark however the action ends.
class BusyScope {
public:
    explicit BusyScope(int& depth) : m_depth(depth) { ++m_depth; }
    ~BusyScope()
    {
        --m_depth;
        if (m_depth == 0)
            while (QApplication::overrideCursor())
                QApplication::restoreOverrideCursor();
    }

private:
    int& m_depth;
};

} // namespace

namespace {

// Runs the action; returns the text of an error that escaped it, or a null text.
QString attempt(const std::function<void()>& action)
{
    try {
        action();
        return {};
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
        return QStringLiteral("Beklenmeyen bir hata oluştu.");
    }
}

} // namespace

ActionGuard::ActionGuard(Dialogs& dialogs) : m_dialogs(dialogs), m_boxes(*this, dialogs) {}

bool ActionGuard::isBusy() const
{
    if (m_holds > 0)
        return true;
    // Busy when an action works at a depth deeper than the innermost wait for the user.
    return m_depth > (m_waits.isEmpty() ? 0 : m_waits.last());
}

ActionGuard::UserWait::UserWait(ActionGuard& guard) : m_guard(guard)
{
    m_guard.m_waits << m_guard.m_depth;
}

ActionGuard::UserWait::~UserWait()
{
    m_guard.m_waits.removeLast();
}

bool ActionGuard::WaitingBoxes::ask(QWidget* parent, const QString& text, const QString& caption)
{
    UserWait wait(m_guard);
    return m_inner.ask(parent, text, caption);
}

void ActionGuard::WaitingBoxes::notice(QWidget* parent, const QString& text, Icon icon)
{
    UserWait wait(m_guard);
    m_inner.notice(parent, text, icon);
}

void ActionGuard::WaitingBoxes::warning(QWidget* parent, const QString& text)
{
    UserWait wait(m_guard);
    m_inner.warning(parent, text);
}

void ActionGuard::WaitingBoxes::error(QWidget* parent, const QString& text, bool wait)
{
    UserWait waiting(m_guard);
    m_inner.error(parent, text, wait);
}

bool ActionGuard::run(QWidget* parent, const std::function<void()>& action, bool waitOnError)
{
    QString message;
    {
        BusyScope busy(m_depth);
        message = attempt(action);
    }
    if (message.isNull())
        return true;
    // The box is shown after the busy mark and the wait cursor are gone.
    m_dialogs.error(parent, message, waitOnError);
    return false;
}

bool ActionGuard::openWindow(QWidget* parent, const std::function<void()>& open)
{
    const QString message = attempt(open);
    if (message.isNull())
        return true;
    m_dialogs.error(parent, message);
    return false;
}

} // namespace mv
