#include "app/AutoCycle.h"

#include "settings/Countdown.h"

#include <exception>

namespace mv {

AutoCycle::AutoCycle(AutoCycleView& view, Run run, ErrorHandler onError, BusyCheck busy)
    : m_view(view), m_run(std::move(run)), m_onError(std::move(onError)), m_busy(std::move(busy))
{
}

QString AutoCycle::countdownText() const
{
    return countdown::format(m_seconds);
}

void AutoCycle::begin(const Settings& settings)
{
    m_settings = settings;
    if (!m_settings.start) {
        m_state = State::Off;
        return;
    }
    m_view.setLockedSetEnabled(false);
    m_seconds = countdown::toSeconds(m_settings.startDelay);
    m_view.setCountdownText(countdownText());
    m_view.showAutoPanel(true);
    m_stopped = false;
    m_state = State::Counting;
}

void AutoCycle::stepDown()
{
    // A countdown already at zero (a start delay of 00:00:00) runs at the next tick
    // rather than wrapping round to 23:59:59.
    if (m_seconds > 0)
        --m_seconds;
    m_view.setCountdownText(countdownText());
    m_view.setDigitColour(m_seconds % 2 ? AutoCycleView::Colour::Black : AutoCycleView::Colour::White);
}

void AutoCycle::tick()
{
    if (!m_settings.start || m_stopped)
        return;
    if (m_busy && m_busy())
        return;

    m_view.showAutoPanel(true);
    m_view.setLockedSetEnabled(false);
    stepDown();
    if (m_seconds > 0)
        return;

    m_stopped = true;
    m_state = State::Running;
    m_view.showAutoPanel(false);
    try {
        m_run();
    } catch (const std::exception& e) {
        if (m_onError)
            m_onError(QString::fromUtf8(e.what()));
    } catch (...) {
        if (m_onError)
            m_onError(QStringLiteral("Beklenmeyen bir hata oluştu."));
    }

    if (m_settings.periodic) {
        m_seconds = countdown::toSeconds(m_settings.period);
        m_view.setCountdownText(countdownText());
        m_stopped = false;
        m_view.showAutoPanel(true);
        m_state = State::Counting;
    } else {
        m_state = State::Ended;
    }
}

void AutoCycle::pause()
{
    m_view.setDigitColour(AutoCycleView::Colour::Silver);
    m_stopped = true;
    m_view.setSwitchHint(QStringLiteral("Devam Etmek İçin Tıklayın."));
    m_view.setLockedSetEnabled(true);
    m_state = State::Paused;
}

void AutoCycle::switchTurned(bool on)
{
    if (!m_settings.start)
        return;
    if (!on) {
        pause();
        return;
    }
    m_view.setSwitchHint(QStringLiteral("Durdurmak İçin Tıklayın."));
    stepDown();
    m_stopped = false;
    m_view.setLockedSetEnabled(false);
    m_state = State::Counting;
}

void AutoCycle::backgroundDoubleClicked()
{
    if (!m_settings.start)
        return;
    pause();
}

} // namespace mv
