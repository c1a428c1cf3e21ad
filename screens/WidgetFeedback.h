#pragma once

#include "store/OperationFeedback.h"

#include <QElapsedTimer>

class QProgressBar;
class QWidget;

namespace mv {

class Dialogs;
class MainShell;

// Feedback of a long operation started from a window: its boxes, status panel 6 of the
// main window, a progress gauge that repaints while the work goes on, and the wait cursor.
class WidgetFeedback : public OperationFeedback {
public:
    WidgetFeedback(Dialogs& dialogs, QWidget* parent, MainShell* shell, QProgressBar* gauge);
    ~WidgetFeedback() override;

    void setStatus(const QString& text) override;
    void notice(const QString& text) override;
    bool ask(const QString& text) override;
    void beginProgress(int maximum) override;
    void setProgress(int value) override;
    void endProgress() override;

private:
    Dialogs& m_dialogs;
    QWidget* m_parent;
    MainShell* m_shell;
    QProgressBar* m_gauge;
    bool m_cursor = false;
    QElapsedTimer m_sinceRepaint;
};

} // namespace mv
