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
