// The scale selection dialog: active scales only, the "Tamam" rule, "Tümünü Seç", and
// the target scale list it replaces.

#include "screens/ScaleSelectionDialog.h"
#include "tests/scales/ScaleScreenKit.h"
#include "tests/support/AppFixture.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

using namespace mv;
using namespace mv::test;

namespace {

class ScaleSelectionDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        app.addScale(QStringLiteral("192.168.1.9"), QStringLiteral("Kasap"));
        app.addScale(QStringLiteral("192.168.1.10"), QStringLiteral("Manav"));
        app.addScale(QStringLiteral("192.168.1.11"), QStringLiteral("Fırın"));
        app.addScale(QStringLiteral("192.168.1.2"), QStringLiteral("Eski"), QStringLiteral("1"));
        window = &app.start();
    }

    AppFixture app;
    MainWindow* window = nullptr;
};

QPushButton* confirmButton(QWidget* dialog)
{
    return dialog->findChild<QPushButton*>(QStringLiteral("BtnSec"));
}

TEST_F(ScaleSelectionDialogTest, ListsTheActiveScalesUnticked)
{
    ScaleSelectionDialog dialog(*app.ctx, window);
    dialog.list();
    EXPECT_EQ(dialog.objectName(), QStringLiteral("TForm8"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Terazi Seçimi"));
    EXPECT_EQ(dialog.entries(), (QStringList{QStringLiteral("192.168.1.10"), QStringLiteral("192.168.1.11"),
                                             QStringLiteral("192.168.1.9")}));
    EXPECT_TRUE(dialog.tickedScales().isEmpty());
    EXPECT_EQ(confirmButton(&dialog)->text(), QStringLiteral("Tamam"));
    EXPECT_FALSE(confirmButton(&dialog)->isEnabled());
    EXPECT_EQ(dialog.findChild<QCheckBox*>(QStringLiteral("ChbTumu"))->text(), QStringLiteral("Tümünü Seç"));
    EXPECT_EQ(dialog.findChild<QPushButton*>(QStringLiteral("BtnKapat"))->text(), QStringLiteral("Kapat"));

    // Listing again starts over.
    dialog.setTicked(0, true);
    dialog.list();
    EXPECT_EQ(dialog.entries().size(), 3);
    EXPECT_TRUE(dialog.tickedScales().isEmpty());
    EXPECT_FALSE(confirmButton(&dialog)->isEnabled());
}

TEST_F(ScaleSelectionDialogTest, TamamNeedsATickedEntry)
{
    ScaleSelectionDialog dialog(*app.ctx, window);
    dialog.list();
    auto* all = dialog.findChild<QCheckBox*>(QStringLiteral("ChbTumu"));
    auto* list = dialog.findChild<QListWidget*>(QStringLiteral("ChbTerazi"));

    list->item(1)->setCheckState(Qt::Checked);
    EXPECT_TRUE(confirmButton(&dialog)->isEnabled());
    list->item(1)->setCheckState(Qt::Unchecked);
    EXPECT_FALSE(confirmButton(&dialog)->isEnabled());

    QTest::mouseClick(all, Qt::LeftButton);
    EXPECT_EQ(dialog.tickedScales(), dialog.entries());
    EXPECT_TRUE(confirmButton(&dialog)->isEnabled());
    QTest::mouseClick(all, Qt::LeftButton);
    EXPECT_TRUE(dialog.tickedScales().isEmpty());
    EXPECT_FALSE(confirmButton(&dialog)->isEnabled());
}

TEST_F(ScaleSelectionDialogTest, TamamReplacesTheTargetListInListOrder)
{
    ScaleSelectionDialog dialog(*app.ctx, window);
    dialog.list();
    dialog.setTicked(2, true);
    dialog.setTicked(0, true);
    clickButton(&dialog, QStringLiteral("BtnSec"));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(window->targetScales(), (QStringList{QStringLiteral("192.168.1.10"), QStringLiteral("192.168.1.9")}));
}

TEST_F(ScaleSelectionDialogTest, KapatLeavesTheTargetListAlone)
{
    window->setTargetScales({QStringLiteral("192.168.1.11")});
    ScaleSelectionDialog dialog(*app.ctx, window);
    dialog.list();
    dialog.setTicked(0, true);
    clickButton(&dialog, QStringLiteral("BtnKapat"));
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(window->targetScales(), QStringList{QStringLiteral("192.168.1.11")});
}

TEST_F(ScaleSelectionDialogTest, ChooseTellsTheCallerWhetherToLoad)
{
    whenModal([](QDialog* dialog) {
        EXPECT_EQ(dialog->objectName(), QStringLiteral("TForm8"));
        static_cast<ScaleSelectionDialog*>(dialog)->setTicked(1, true);
        clickButton(dialog, QStringLiteral("BtnSec"));
    });
    EXPECT_TRUE(ScaleSelectionDialog::choose(*app.ctx, window));
    EXPECT_EQ(window->targetScales(), QStringList{QStringLiteral("192.168.1.11")});

    whenModal([](QDialog* dialog) {
        static_cast<ScaleSelectionDialog*>(dialog)->setTicked(0, true);
        clickButton(dialog, QStringLiteral("BtnKapat"));
    });
    EXPECT_FALSE(ScaleSelectionDialog::choose(*app.ctx, window));
    EXPECT_EQ(window->targetScales(), QStringList{QStringLiteral("192.168.1.11")});
}

} // namespace
