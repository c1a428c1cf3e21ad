#pragma once

#include "app/AutoCycle.h"
#include "screens/MainShell.h"

#include <QMainWindow>
#include <QStringList>

#include <functional>
#include <memory>

class QAction;
class QLabel;
class QMdiArea;
class QTimer;
class QToolButton;

namespace mv {

class AutoPanel;
struct AppContext;

// The frame window: tool bar, menu, status bar, the child window area and the
// automatic panel. It owns the target scale list and the status texts.
class MainWindow : public QMainWindow, public MainShell, public AutoCycleView {
    Q_OBJECT
public:
    explicit MainWindow(AppContext& ctx, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Start-up steps after the file checks: log record, target scale list, counts,
    // settings, automatic mode. A database error stops the remaining steps and is shown.
    void startUp();

    // MainShell
    void setStatusText(int panel, const QString& text) override;
    QString statusText(int panel) const override;
    QStringList targetScales() const override { return m_targetScales; }
    void setTargetScales(const QStringList& ips) override { m_targetScales = ips; }
    void refillTargetScales() override;

    // AutoCycleView; the locked set is what automatic mode disables while it counts down.
    void setLockedSetEnabled(bool enabled) override;
    void showAutoPanel(bool shown) override;
    void setCountdownText(const QString& text) override;
    void setDigitColour(Colour colour) override;
    void setSwitchHint(const QString& hint) override;
    AutoPanel* autoPanel() const { return m_autoPanel; }
    AutoCycle& autoCycle() { return *m_cycle; }
    // What one automatic run does (import, then load every target scale).
    void setAutomaticRun(AutoCycle::Run run) { m_automaticRun = std::move(run); }
    // Shows an error that escaped an automatic run and keeps automatic mode going.
    void reportAutomaticError(const QString& text);
    QMdiArea* mdiArea() const { return m_mdi; }
    QTimer* timer() const { return m_timer; }

    // Opens a child window maximized inside the frame.
    void addChildWindow(QWidget* window);

    // Hooks for the child windows that later parts of the program register.
    using Opener = std::function<void()>;
    void setOpener(const QString& actionName, Opener opener);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildToolBar();
    void buildMenu();
    void buildStatusBar();
    QAction* addEntry(QMenu* menu, const char* name, const QString& caption);
    void trigger(const QString& actionName);
    void showAbout();

    AppContext& m_ctx;
    QMdiArea* m_mdi = nullptr;
    QWidget* m_toolPanel = nullptr;
    QToolButton* m_btnUrun = nullptr;
    QToolButton* m_btnHotkey = nullptr;
    QToolButton* m_btnLog = nullptr;
    QToolButton* m_btnCikis = nullptr;
    QList<QLabel*> m_panels;
    AutoPanel* m_autoPanel = nullptr;
    QTimer* m_timer = nullptr;
    QStringList m_targetScales;
    QHash<QString, Opener> m_openers;
    AutoCycle::Run m_automaticRun;
    std::unique_ptr<AutoCycle> m_cycle;
};

} // namespace mv
