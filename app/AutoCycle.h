#pragma once

#include <QString>

#include <functional>

namespace mv {

// What the automatic loading cycle shows; the main window implements it.
class AutoCycleView {
public:
    enum class Colour { Black, White, Silver };
    virtual ~AutoCycleView() = default;
    virtual void showAutoPanel(bool shown) = 0;
    virtual void setLockedSetEnabled(bool enabled) = 0;
    virtual void setCountdownText(const QString& text) = 0;
    virtual void setDigitColour(Colour colour) = 0;
    virtual void setSwitchHint(const QString& hint) = 0;
};

// The unattended cycle: counts down once a second, then imports and loads every scale,
// and with the periodic setting starts counting again. Driven tick by tick, so tests
// need not wait real seconds.
class AutoCycle {
public:
    enum class State { Off, Counting, Paused, Running, Ended };

    struct Settings {
        bool start = false;    // Baslatma "E"
        bool periodic = false; // Periyodik "E"
        QString startDelay;    // BaslatSure
        QString period;        // PeriyodikSure
    };

    using Run = std::function<void()>;
    // Called with the text of an error that escaped a run.
    using ErrorHandler = std::function<void(const QString&)>;
    // True while another operation is under way: the tick is then not handled.
    using BusyCheck = std::function<bool()>;

    AutoCycle(AutoCycleView& view, Run run, ErrorHandler onError = {}, BusyCheck busy = {});

    // Start-up: with automatic mode on, lock, set the countdown and show the panel.
    void begin(const Settings& settings);

    void tick();
    void switchTurned(bool on);
    void backgroundDoubleClicked();

    State state() const { return m_state; }
    int remainingSeconds() const { return m_seconds; }
    QString countdownText() const;
    bool stopped() const { return m_stopped; }

private:
    void stepDown();
    void pause();

    AutoCycleView& m_view;
    Run m_run;
    ErrorHandler m_onError;
    BusyCheck m_busy;
    Settings m_settings;
    State m_state = State::Off;
    int m_seconds = 0;
    bool m_stopped = false; // the stop flag: true is "E"
};

} // namespace mv
