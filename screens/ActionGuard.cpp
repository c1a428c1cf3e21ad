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

bool ActionGuard::run(QWidget* parent, const std::function<void()>& action, bool waitOnError)
{
    QString message;
    {
        BusyScope busy(m_depth);
        try {
            action();
            return true;
        } catch (const std::exception& e) {
            message = QString::fromUtf8(e.what());
        } catch (...) {
            message = QStringLiteral("Beklenmeyen bir hata oluştu.");
        }
    }
    // The box is shown after the busy mark and the wait cursor are gone.
    m_dialogs.error(parent, message, waitOnError);
    return false;
}

} // namespace mv
