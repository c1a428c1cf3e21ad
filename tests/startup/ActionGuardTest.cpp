#include "screens/ActionGuard.h"
#include "tests/support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace mv;
using namespace mv::test;

TEST(ActionGuard, WorkIsBusyWaitingForTheUserIsNot)
{
    ScriptedDialogs dialogs;
    ActionGuard guard(dialogs);
    QList<bool> busyInBox;
    dialogs.whileOpen = [&] { busyInBox << guard.isBusy(); };

    bool busyInAction = false;
    bool busyInNestedAction = false;
    EXPECT_FALSE(guard.isBusy());
    guard.run(nullptr, [&] {
        busyInAction = guard.isBusy();
        guard.boxes().ask(nullptr, QStringLiteral("Silinsin mi?"), QStringLiteral("UYARI"));
        const auto wait = guard.waitForUser(); // an open card
        guard.run(nullptr, [&] { busyInNestedAction = guard.isBusy(); }); // its save
        guard.boxes().notice(nullptr, QStringLiteral("Kaydedildi."), Dialogs::Icon::Information);
    });
    EXPECT_TRUE(busyInAction);
    EXPECT_TRUE(busyInNestedAction);
    EXPECT_EQ(busyInBox, (QList<bool>{false, false}));
    EXPECT_FALSE(guard.isBusy());
}

TEST(ActionGuard, AnOpenScaleConnectionStaysBusyThroughItsBox)
{
    ScriptedDialogs dialogs;
    ActionGuard guard(dialogs);
    bool busyInBox = false;
    dialogs.whileOpen = [&] { busyInBox = guard.isBusy(); };
    guard.run(nullptr, [&] {
        ActionGuard::BusyHold hold(guard);
        guard.boxes().notice(nullptr, QStringLiteral("Silindi."), Dialogs::Icon::Information);
    });
    EXPECT_TRUE(busyInBox);
    EXPECT_FALSE(guard.isBusy());
}

TEST(ActionGuard, AnEscapedErrorBecomesTheGeneralErrorMessage)
{
    ScriptedDialogs dialogs;
    ActionGuard guard(dialogs);
    bool busyInBox = true;
    dialogs.whileOpen = [&] { busyInBox = guard.isBusy(); };
    EXPECT_FALSE(guard.run(nullptr, [] { throw std::runtime_error("lock conflict on no wait transaction"); }));
    EXPECT_EQ(dialogs.texts(QStringLiteral("error")), QStringList{QStringLiteral("lock conflict on no wait transaction")});
    EXPECT_FALSE(busyInBox);
    EXPECT_TRUE(guard.run(nullptr, [] {}));
    EXPECT_TRUE(guard.openWindow(nullptr, [&] { EXPECT_FALSE(guard.isBusy()); }));
}
