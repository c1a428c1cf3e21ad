#include "screens/WidgetFeedback.h"

#include "screens/Dialogs.h"
#include "screens/MainShell.h"

#include <QApplication>
#include <QProgressBar>

namespace mv {

WidgetFeedback::WidgetFeedback(Dialogs& dialogs, QWidget* parent, MainShell* shell, QProgressBar* gauge)
    : m_dialogs(dialogs), m_parent(parent), m_shell(shell), m_gauge(gauge)
{
}

WidgetFeedback::~WidgetFeedback()
{
    endProgress();
}

void WidgetFeedback::setStatus(const QString& text)
{
    if (m_shell)
        m_shell->setStatusText(MainShell::LastOperation, text);
}

void WidgetFeedback::notice(const QString& text)
{
    // A box must not sit under a wait cursor.
    const bool hadCursor = m_cursor;
    if (hadCursor)
        QApplication::restoreOverrideCursor();
    m_dialogs.notice(m_parent, text);
    if (hadCursor)
        QApplication::setOverrideCursor(Qt::WaitCursor);
}

bool WidgetFeedback::ask(const QString& text)
{
    return m_dialogs.ask(m_parent, text);
}

void WidgetFeedback::beginProgress(int maximum)
{
    if (!m_cursor) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        m_cursor = true;
    }
    if (m_gauge) {
        m_gauge->setRange(0, qMax(0, maximum));
        m_gauge->setValue(0);
        m_gauge->show();
    }
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void WidgetFeedback::setProgress(int value)
{
    if (m_gauge)
        m_gauge->setValue(value);
    // Repaint a few times a second, not on every row: the work stays on this thread.
    if (!m_sinceRepaint.isValid() || m_sinceRepaint.elapsed() > 100) {
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        m_sinceRepaint.restart();
    }
}

void WidgetFeedback::endProgress()
{
    if (m_gauge)
        m_gauge->hide();
    if (m_cursor) {
        QApplication::restoreOverrideCursor();
        m_cursor = false;
    }
}

} // namespace mv
