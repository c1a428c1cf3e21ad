#include "app/AutoCycle.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <stdexcept>

using namespace mv;

namespace {

// Remembers what the cycle shows.
struct View : AutoCycleView {
    bool panel = false;
    bool locked = false; // true: the locked set is disabled
    QString countdown;
    Colour colour = Colour::White;
    QString hint;
    void showAutoPanel(bool shown) override { panel = shown; }
    void setLockedSetEnabled(bool enabled) override { locked = !enabled; }
    void setCountdownText(const QString& text) override { countdown = text; }
    void setDigitColour(Colour c) override { colour = c; }
    void setSwitchHint(const QString& h) override { hint = h; }
};

AutoCycle::Settings automatic(const char* start, bool periodic = false, const char* period = "")
{
    return {true, periodic, QString::fromLatin1(start), QString::fromLatin1(period)};
}

} // namespace

TEST(AutoCycle, CountsDownFiveTicksAndRunsOnTheFifth)
{
    View view;
    int runs = 0;
    bool panelDuringRun = true;
    AutoCycle cycle(view, [&] {
        ++runs;
        panelDuringRun = view.panel;
    });
    cycle.begin(automatic("00:00:05"));
    EXPECT_TRUE(view.panel);
    EXPECT_TRUE(view.locked);
    EXPECT_EQ(view.countdown, QStringLiteral("00:00:05"));

    QStringList shown;
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(runs, 0);
        cycle.tick();
        shown << view.countdown;
    }
    EXPECT_EQ(shown, (QStringList{QStringLiteral("00:00:04"), QStringLiteral("00:00:03"), QStringLiteral("00:00:02"),
                                  QStringLiteral("00:00:01"), QStringLiteral("00:00:00")}));
    EXPECT_EQ(runs, 1);
    EXPECT_FALSE(panelDuringRun);
    // Not periodic: automatic mode has ended; the panel stays hidden and the set locked.
    EXPECT_EQ(cycle.state(), AutoCycle::State::Ended);
    EXPECT_FALSE(view.panel);
    EXPECT_TRUE(view.locked);
    for (int i = 0; i < 10; ++i)
        cycle.tick();
    EXPECT_EQ(runs, 1);

    // A double-click on the picture then unlocks, with the panel still hidden.
    cycle.backgroundDoubleClicked();
    EXPECT_FALSE(view.locked);
    EXPECT_FALSE(view.panel);
}

TEST(AutoCycle, PeriodicModeStartsAgainFromThePeriod)
{
    View view;
    int runs = 0;
    AutoCycle cycle(view, [&] { ++runs; });
    cycle.begin(automatic("00:00:02", true, "00:10:00"));
    cycle.tick();
    cycle.tick();
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(view.countdown, QStringLiteral("00:10:00"));
    EXPECT_TRUE(view.panel);
    EXPECT_EQ(cycle.state(), AutoCycle::State::Counting);
    for (int i = 0; i < 600; ++i)
        cycle.tick();
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(view.countdown, QStringLiteral("00:10:00"));
}

TEST(AutoCycle, PauseAndResume)
{
    View view;
    AutoCycle cycle(view, [] {});
    cycle.begin(automatic("00:03:18"));
    cycle.tick();
    ASSERT_EQ(view.countdown, QStringLiteral("00:03:17"));

    cycle.switchTurned(false);
    EXPECT_EQ(view.colour, AutoCycleView::Colour::Silver);
    EXPECT_FALSE(view.locked);
    EXPECT_EQ(view.hint, QStringLiteral("Devam Etmek İçin Tıklayın."));
    cycle.tick();
    cycle.tick();
    EXPECT_EQ(view.countdown, QStringLiteral("00:03:17")); // paused: ticks change nothing

    cycle.switchTurned(true);
    EXPECT_EQ(view.countdown, QStringLiteral("00:03:16")); // one second off at once
    EXPECT_EQ(view.colour, AutoCycleView::Colour::White);
    EXPECT_TRUE(view.locked);
    EXPECT_EQ(view.hint, QStringLiteral("Durdurmak İçin Tıklayın."));

    // The picture pauses without moving the switch.
    cycle.backgroundDoubleClicked();
    EXPECT_EQ(cycle.state(), AutoCycle::State::Paused);
    EXPECT_FALSE(view.locked);
}

TEST(AutoCycle, DigitsBlinkWhiteOnEvenAndBlackOnOddSeconds)
{
    View view;
    AutoCycle cycle(view, [] {});
    cycle.begin(automatic("00:00:11"));
    cycle.tick();
    EXPECT_EQ(view.countdown, QStringLiteral("00:00:10"));
    EXPECT_EQ(view.colour, AutoCycleView::Colour::White);
    cycle.tick();
    EXPECT_EQ(view.countdown, QStringLiteral("00:00:09"));
    EXPECT_EQ(view.colour, AutoCycleView::Colour::Black);
}

TEST(AutoCycle, NothingHappensWithoutAutomaticStart)
{
    View view;
    int runs = 0;
    AutoCycle cycle(view, [&] { ++runs; });
    cycle.begin({false, true, QStringLiteral("00:00:01"), QStringLiteral("00:00:01")});
    for (int i = 0; i < 5; ++i)
        cycle.tick();
    cycle.backgroundDoubleClicked();
    cycle.switchTurned(false);
    EXPECT_EQ(runs, 0);
    EXPECT_FALSE(view.panel);
    EXPECT_FALSE(view.locked);
    EXPECT_EQ(cycle.state(), AutoCycle::State::Off);
}

TEST(AutoCycle, TickDuringAnotherOperationIsNotHandled)
{
    View view;
    int runs = 0;
    bool busy = true;
    AutoCycle cycle(view, [&] { ++runs; }, {}, [&] { return busy; });
    cycle.begin(automatic("00:00:01"));
    cycle.tick();
    cycle.tick();
    EXPECT_EQ(runs, 0);
    EXPECT_EQ(view.countdown, QStringLiteral("00:00:01"));
    busy = false;
    cycle.tick();
    EXPECT_EQ(runs, 1);
}

TEST(AutoCycle, AnErrorInARunIsReportedAndThePeriodGoesOn)
{
    View view;
    int runs = 0;
    QStringList errors;
    AutoCycle cycle(
        view,
        [&] {
            if (++runs == 1)
                throw std::runtime_error("Dosya bulunamadı");
        },
        [&](const QString& text) { errors << text; });
    cycle.begin(automatic("00:00:01", true, "00:00:02"));
    cycle.tick();
    EXPECT_EQ(errors, QStringList{QStringLiteral("Dosya bulunamadı")});
    EXPECT_EQ(cycle.state(), AutoCycle::State::Counting);
    cycle.tick();
    cycle.tick();
    EXPECT_EQ(runs, 2);
}

TEST(AutoCycle, ZeroOrDamagedDelayRunsAtTheNextTick)
{
    for (const char* delay : {"00:00:00", "", "bozuk"}) {
        View view;
        int runs = 0;
        AutoCycle cycle(view, [&] { ++runs; });
        cycle.begin(automatic(delay));
        EXPECT_EQ(view.countdown, QStringLiteral("00:00:00")) << delay;
        cycle.tick();
        EXPECT_EQ(runs, 1) << delay;
    }
}
