// The scale list screen: listing, the target scale list and status panel 2, add and
// change through the card, activation, deletion, clearing a scale through the driver.

#include "screens/ScaleListModel.h"
#include "screens/ScaleListScreen.h"
#include "screens/ScaleSelectionDialog.h"
#include "tests/scales/ScaleScreenKit.h"
#include "tests/support/AppFixture.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace mv;
using namespace mv::test;

namespace {

class ScaleListScreenTest : public ::testing::Test {
protected:
    // Starts the program with the scales added so far and opens a listed screen.
    ScaleListScreen& open()
    {
        window = &app.start();
        screen = std::make_unique<ScaleListScreen>(*app.ctx, window);
        screen->list();
        screen->show();
        return *screen;
    }

    QStringList listedIps() const
    {
        QStringList ips;
        for (int r = 0; r < screen->model()->rowCount(); ++r)
            ips << screen->model()->scale(r).ip;
        return ips;
    }

    void focusIp(const QString& ip)
    {
        const int row = int(listedIps().indexOf(ip));
        ASSERT_GE(row, 0) << ip.toStdString();
        screen->focusRow(row);
    }

    QAction* popupEntry(const char* name) { return screen->popup()->findChild<QAction*>(QLatin1String(name)); }
    QToolButton* button(const char* name) { return screen->findChild<QToolButton*>(QLatin1String(name)); }

    int committedHotkeyCount(const QString& ip)
    {
        for (const QString& s : committedScales(app.folder.databasePath()))
            if (s.section(QLatin1Char('|'), 1, 1) == ip)
                return int(committedHotkeys(app.folder.databasePath(), s.section(QLatin1Char('|'), 0, 0).toInt()).size());
        return -1;
    }

    AppFixture app;
    MainWindow* window = nullptr;
    std::unique_ptr<ScaleListScreen> screen;
};

TEST_F(ScaleListScreenTest, ListsEveryScaleWithItsState)
{
    app.addScale(QStringLiteral("192.168.1.9"), QStringLiteral("Kasap"));
    app.addScale(QStringLiteral("192.168.1.2"), QStringLiteral("Eski"), QStringLiteral("1"));
    ScaleListScreen& s = open();

    EXPECT_EQ(s.objectName(), QStringLiteral("TForm6"));
    EXPECT_EQ(s.windowTitle(), QStringLiteral("Teraziler"));
    QAbstractItemModel* grid = s.grid()->model();
    const QStringList headers = {QStringLiteral("Durum"), QStringLiteral("Terazi IP"), QStringLiteral("Terazi Adı"),
                                 QStringLiteral("Veri Çekme Zamanı")};
    for (int c = 0; c < headers.size(); ++c) {
        EXPECT_EQ(grid->headerData(c, Qt::Horizontal).toString(), headers[c]);
        EXPECT_FALSE(s.grid()->isColumnHidden(c));
    }
    EXPECT_TRUE(s.grid()->isColumnHidden(ScaleListModel::Durum));
    EXPECT_TRUE(s.grid()->isColumnHidden(ScaleListModel::Id));
    EXPECT_EQ(s.grid()->columnWidth(ScaleListModel::Drm), 100);
    EXPECT_EQ(s.grid()->editTriggers(), QAbstractItemView::NoEditTriggers);

    ASSERT_EQ(grid->rowCount(), 2);
    QStringList shown;
    for (int r = 0; r < 2; ++r)
        shown << QStringLiteral("%1|%2|%3|%4|%5")
                     .arg(grid->index(r, 0).data().toString(), grid->index(r, 1).data().toString(),
                          grid->index(r, 2).data().toString(), grid->index(r, 3).data().toString(),
                          grid->index(r, 4).data().toString());
    EXPECT_EQ(shown, (QStringList{QStringLiteral("Aktif|192.168.1.9|Kasap||0"), QStringLiteral("Pasif|192.168.1.2|Eski||1")}));
    EXPECT_EQ(ScaleListModel::stateName(QStringLiteral("7")), QStringLiteral("Pasif"));

    const struct {
        const char* name;
        const char* hint;
    } buttons[] = {
        {"BtnTumunuSil", "Tüm Terazi Bilgilerini Sil"},
        {"BtnDetay", "Terazi Detayı"},
        {"BtnEkle", "Yeni Terazi Ekle"},
        {"BtnSil", "Seçili Terazi Bilgisini Sil"},
        {"BtnTemizle", "Seçili Teraziye Yüklü PLU Bilgilerini Sil"},
        {"BtnKapat", "Pencereyi Kapat"},
        {"BtnListele", "Listele"},
    };
    for (const auto& b : buttons) {
        ASSERT_TRUE(button(b.name)) << b.name;
        EXPECT_EQ(button(b.name)->toolTip(), QString::fromUtf8(b.hint));
        EXPECT_TRUE(button(b.name)->isEnabled()) << b.name;
    }
    EXPECT_TRUE(button("BtnListele")->isHidden());
    EXPECT_FALSE(popupEntry("MnAktif")->isEnabled());
    EXPECT_FALSE(popupEntry("MnPasif")->isEnabled());
    EXPECT_EQ(s.focusedScale()->ip, QStringLiteral("192.168.1.9"));
}

TEST_F(ScaleListScreenTest, ListRefillsTheTargetScaleListAndPanel2)
{
    app.addScale(QStringLiteral("192.168.1.9"), QStringLiteral("Kasap"));
    app.addScale(QStringLiteral("192.168.1.10"), QStringLiteral("Manav"));
    app.addScale(QStringLiteral("192.168.1.2"), QStringLiteral("Eski"), QStringLiteral("1"));
    ScaleListScreen& s = open();
    window->setTargetScales({QStringLiteral("192.168.1.9")});
    window->setStatusText(2, QStringLiteral("9"));

    s.list();
    EXPECT_EQ(window->targetScales(), (QStringList{QStringLiteral("192.168.1.10"), QStringLiteral("192.168.1.9")}));
    EXPECT_EQ(window->statusText(2), QStringLiteral("2"));
}

TEST_F(ScaleListScreenTest, AddingAScaleListsItAndRefillsTheTargetList)
{
    app.addScale(QStringLiteral("192.168.1.9"), QStringLiteral("Kasap"));
    ScaleListScreen& s = open();

    whenModal([](QDialog* card) {
        EXPECT_EQ(card->objectName(), QStringLiteral("TForm7"));
        EXPECT_EQ(card->windowTitle(), QStringLiteral("Yeni Terazi Ekle"));
        auto* save = card->findChild<QPushButton*>(QStringLiteral("BtnKaydet"));
        EXPECT_EQ(save->text(), QStringLiteral("Kaydet"));
        EXPECT_TRUE(save->isEnabled());
        fillCard(card, QStringLiteral("Manav"), QStringLiteral("192.168.1.10"));
        QTest::mouseClick(save, Qt::LeftButton);
    });
    clickButton(&s, QStringLiteral("BtnEkle"));

    EXPECT_TRUE(app.dialogs.shown().isEmpty());
    EXPECT_EQ(listedIps(), (QStringList{QStringLiteral("192.168.1.9"), QStringLiteral("192.168.1.10")}));
    EXPECT_EQ(window->targetScales(), (QStringList{QStringLiteral("192.168.1.10"), QStringLiteral("192.168.1.9")}));
    EXPECT_EQ(window->statusText(2), QStringLiteral("2"));
    EXPECT_EQ(committedHotkeyCount(QStringLiteral("192.168.1.10")), 224);
}

TEST_F(ScaleListScreenTest, ACardClosedWithoutSavingChangesNothing)
{
    app.addScale(QStringLiteral("192.168.1.9"), QStringLiteral("Kasap"));
    ScaleListScreen& s = open();
    window->setTargetScales({});

    whenModal([](QDialog* card) {
        fillCard(card, QStringLiteral("Manav"), QStringLiteral("192.168.1.10"));
        clickButton(card, QStringLiteral("BtnKapat"));
    });
    clickButton(&s, QStringLiteral("BtnEkle"));
    EXPECT_EQ(listedIps(), QStringList{QStringLiteral("192.168.1.9")});
    EXPECT_EQ(committedScales(app.folder.databasePath()).size(), 1);
    // No list action ran, so the target list keeps what it had.
    EXPECT_TRUE(window->targetScales().isEmpty());
}

TEST_F(ScaleListScreenTest, ChangingAScaleToPasifHidesItFromLoading)
{
    app.addScale(QStringLiteral("192.168.1.9"), QStringLiteral("Kasap"));
    app.addScale(QStringLiteral("192.168.1.10"), QStringLiteral("Manav"));
    ScaleListScreen& s = open();
    focusIp(QStringLiteral("192.168.1.9"));
    const int id = s.focusedScale()->id;

    // Opened by a double-click on the row; the card shows the focused scale.
    whenModal([id](QDialog* card) {
        EXPECT_EQ(card->windowTitle(), QStringLiteral("Terazi Detayı"));
        EXPECT_EQ(card->findChild<QPushButton*>(QStringLiteral("BtnKaydet"))->text(), QStringLiteral("Değiştir"));
        EXPECT_EQ(card->findChild<QLineEdit*>(QStringLiteral("CeTeraziAdi"))->text(), QStringLiteral("Kasap"));
        EXPECT_EQ(card->findChild<QLineEdit*>(QStringLiteral("CeTeraziIPNo"))->text(), QStringLiteral("192.168.1.9"));
        EXPECT_EQ(card->findChild<QLabel*>(QStringLiteral("LblID"))->text(), QString::number(id));
        card->findChild<QComboBox*>(QStringLiteral("CbDurum"))->setCurrentIndex(1);
        clickButton(card, QStringLiteral("BtnKaydet"));
    });
    const QRect rowRect = s.grid()->visualRect(s.grid()->currentIndex());
    // A real double-click: press and release, then the double-click.
    QTest::mouseClick(s.grid()->viewport(), Qt::LeftButton, {}, rowRect.center());
    QTest::mouseDClick(s.grid()->viewport(), Qt::LeftButton, {}, rowRect.center());

    EXPECT_EQ(s.model()->scale(int(listedIps().indexOf(QStringLiteral("192.168.1.9")))).state, QStringLiteral("1"));
    EXPECT_EQ(window->targetScales(), QStringList{QStringLiteral("192.168.1.10")});
    EXPECT_EQ(window->statusText(2), QStringLiteral("1"));
    ScaleSelectionDialog selection(*app.ctx, window);
    selection.list();
    EXPECT_EQ(selection.entries(), QStringList{QStringLiteral("192.168.1.10")});

    // Enter in the grid opens the card as well.
    bool opened = false;
    whenModal([&opened](QDialog* card) { opened = card->objectName() == QLatin1String("TForm7"); });
    QTest::keyClick(s.grid(), Qt::Key_Return);
    EXPECT_TRUE(opened);
}

TEST_F(ScaleListScreenTest, PopupEntriesFollowTheClickedRow)
{
    app.addScale(QStringLiteral("192.168.1.9"), QStringLiteral("Kasap"));
    app.addScale(QStringLiteral("192.168.1.2"), QStringLiteral("Eski"), QStringLiteral("1"));
    ScaleListScreen& s = open();
    const struct {
        const char* ip;
        bool activeEnabled;
        bool passiveEnabled;
    } cases[] = {
        {"192.168.1.9", false, true},
        {"192.168.1.2", true, false},
        {"192.168.1.9", false, true},
    };
    for (const auto& c : cases) {
        const int row = int(listedIps().indexOf(QString::fromLatin1(c.ip)));
        const QRect rect = s.grid()->visualRect(s.grid()->model()->index(row, 1));
        QTest::mouseClick(s.grid()->viewport(), Qt::LeftButton, {}, rect.center());
        EXPECT_EQ(s.focusedScale()->ip, QLatin1String(c.ip));
        EXPECT_EQ(popupEntry("MnAktif")->isEnabled(), c.activeEnabled) << c.ip;
        EXPECT_EQ(popupEntry("MnPasif")->isEnabled(), c.passiveEnabled) << c.ip;
    }
    // A list action leaves them as they were.
    s.list();
    EXPECT_FALSE(popupEntry("MnAktif")->isEnabled());
    EXPECT_TRUE(popupEntry("MnPasif")->isEnabled());
}

TEST_F(ScaleListScreenTest, ActivationAndDeactivationAskAndCommit)
{
    const struct {
        const char* entry;
        const char* startState;
        bool answer;
        const char* question;
        const char* endState;
        const char* panel2;
    } cases[] = {
        {"MnPasif", "0", true, "Seçili terazi pasif edilsin mi?", "1", "0"},
        {"MnPasif", "0", false, "Seçili terazi pasif edilsin mi?", "0", "1"},
        {"MnAktif", "1", true, "Seçili terazi Aktif edilsin mi?", "0", "1"},
        {"MnAktif", "1", false, "Seçili terazi Aktif edilsin mi?", "1", "0"},
    };
    for (const auto& c : cases) {
        AppFixture fresh;
        fresh.addScale(QStringLiteral("192.168.1.9"), QStringLiteral("Kasap"), QLatin1String(c.startState));
        MainWindow& w = fresh.start();
        ScaleListScreen s(*fresh.ctx, &w);
        s.list();
        s.rowClicked(0);
        fresh.dialogs.answer(c.answer);
        s.popup()->findChild<QAction*>(QLatin1String(c.entry))->trigger();

        EXPECT_EQ(fresh.dialogs.texts(QStringLiteral("ask")), QStringList{QString::fromUtf8(c.question)});
        const QStringList scales = committedScales(fresh.folder.databasePath());
        ASSERT_EQ(scales.size(), 1);
        EXPECT_EQ(scales.first().section(QLatin1Char('|'), 3, 3), QLatin1String(c.endState)) << c.entry << c.answer;
        EXPECT_EQ(s.model()->scale(0).state, QLatin1String(c.endState));
        EXPECT_EQ(w.statusText(2), QLatin1String(c.panel2));
        EXPECT_EQ(w.targetScales().size(), QString::fromLatin1(c.panel2).toInt());
    }
}

TEST_F(ScaleListScreenTest, DeletingAScaleRemovesItsHotkeyRows)
{
    app.addScale(QStringLiteral("192.168.1.9"), QStringLiteral("Kasap"));
    app.addScale(QStringLiteral("192.168.1.10"), QStringLiteral("Manav"));
    ScaleListScreen& s = open();
    focusIp(QStringLiteral("192.168.1.10"));

    // "Hayır" keeps it.
    app.dialogs.answer(false);
    clickButton(&s, QStringLiteral("BtnSil"));
    EXPECT_EQ(app.dialogs.texts(QStringLiteral("ask")), QStringList{QStringLiteral("Seçili Terazi bilgileri silinsin mi?")});
    EXPECT_EQ(listedIps().size(), 2);

    app.dialogs.answer(true);
    clickButton(&s, QStringLiteral("BtnSil"));
    EXPECT_EQ(listedIps(), QStringList{QStringLiteral("192.168.1.9")});
    EXPECT_EQ(committedScales(app.folder.databasePath()).size(), 1);
    EXPECT_EQ(committedHotkeyCount(QStringLiteral("192.168.1.9")), 224);
    Database other(app.folder.databasePath());
    EXPECT_EQ(other.run(QStringLiteral("SELECT COUNT(*) FROM HKEYTBL")).scalar().toInt(), 224);
    EXPECT_EQ(window->targetScales(), QStringList{QStringLiteral("192.168.1.9")});
    EXPECT_EQ(window->statusText(2), QStringLiteral("1"));
}

TEST_F(ScaleListScreenTest, DeletingAllEmptiesBothTablesAndDisablesTheRowButtons)
{
    app.addScale(QStringLiteral("192.168.1.9"), QStringLiteral("Kasap"));
    app.addScale(QStringLiteral("192.168.1.10"), QStringLiteral("Manav"));
    ScaleListScreen& s = open();

    app.dialogs.answer(true);
    clickButton(&s, QStringLiteral("BtnTumunuSil"));
    EXPECT_EQ(app.dialogs.texts(QStringLiteral("ask")), QStringList{QStringLiteral("Tüm Terazi Tanımlamaları Silinsin Mi?")});
    EXPECT_TRUE(listedIps().isEmpty());
    EXPECT_TRUE(committedScales(app.folder.databasePath()).isEmpty());
    Database other(app.folder.databasePath());
    EXPECT_EQ(other.run(QStringLiteral("SELECT COUNT(*) FROM HKEYTBL")).scalar().toInt(), 0);
    EXPECT_TRUE(window->targetScales().isEmpty());
    EXPECT_EQ(window->statusText(2), QStringLiteral("0"));
    for (const char* name : {"BtnTumunuSil", "BtnDetay", "BtnSil", "BtnTemizle"})
        EXPECT_FALSE(button(name)->isEnabled()) << name;
    EXPECT_TRUE(button("BtnEkle")->isEnabled());

    // A scale added now enables "delete all" only; Enter still opens its card.
    whenModal([](QDialog* card) {
        fillCard(card, QStringLiteral("Kasap"), QStringLiteral("192.168.1.9"));
        clickButton(card, QStringLiteral("BtnKaydet"));
    });
    clickButton(&s, QStringLiteral("BtnEkle"));
    EXPECT_EQ(listedIps(), QStringList{QStringLiteral("192.168.1.9")});
    EXPECT_TRUE(button("BtnTumunuSil")->isEnabled());
    for (const char* name : {"BtnDetay", "BtnSil", "BtnTemizle"})
        EXPECT_FALSE(button(name)->isEnabled()) << name;
    bool opened = false;
    whenModal([&opened](QDialog* card) { opened = card->objectName() == QLatin1String("TForm7"); });
    QTest::keyClick(s.grid(), Qt::Key_Return);
    EXPECT_TRUE(opened);
}

TEST_F(ScaleListScreenTest, CloseButtonKeepsToTheRightEdge)
{
    ScaleListScreen& s = open();
    for (int width : {600, 800}) {
        s.resize(width, 400);
        QToolButton* close = button("BtnKapat");
        EXPECT_EQ(close->mapTo(&s, QPoint(0, 0)).x(), width - 55) << width;
    }
}

TEST_F(ScaleListScreenTest, TheMenuEntryOpensTheListedScreenModally)
{
    app.addScale(QStringLiteral("192.168.1.9"), QStringLiteral("Kasap"));
    MainWindow& w = app.start();
    w.setTargetScales({});
    int rows = -1;
    bool closedByEsc = false;
    whenModal([&](QDialog* dialog) {
        EXPECT_EQ(dialog->objectName(), QStringLiteral("TForm6"));
        rows = dialog->findChild<QTableView*>()->model()->rowCount();
        QTest::keyClick(dialog->findChild<QTableView*>(), Qt::Key_Escape);
        closedByEsc = !dialog->isVisible();
    });
    w.findChild<QAction*>(QStringLiteral("MN25"))->trigger();
    EXPECT_EQ(rows, 1);
    EXPECT_TRUE(closedByEsc);
    EXPECT_EQ(w.targetScales(), QStringList{QStringLiteral("192.168.1.9")});
    EXPECT_TRUE(app.dialogs.shown().isEmpty());
}

} // namespace
