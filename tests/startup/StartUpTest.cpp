#include "app/AutoPanel.h"
#include "app/StartUpCheck.h"
#include "tests/support/AppFixture.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace mv;
using namespace mv::test;

TEST(StartUp, MissingFilesAreReportedDatabaseFirst)
{
    const struct {
        bool database;
        bool settings;
        const char* message;
    } cases[] = {
        {false, false, "Veritabani Dosyasi Bulunamadi.\rProgram Sonlandirilacaktir."},
        {false, true, "Veritabani Dosyasi Bulunamadi.\rProgram Sonlandirilacaktir."},
        {true, false, "Ayar Dosyasi Bulunamadi.\rProgram Sonlandirilacaktir."},
        {true, true, ""},
    };
    for (const auto& c : cases) {
        TestFolder folder(TestFolder::Empty);
        if (c.database)
            folder.addDatabase();
        if (c.settings)
            folder.writeSettings(QStringLiteral("[Genel]\n"));
        EXPECT_EQ(missingFileMessage(folder.folder()), QString::fromLatin1(c.message))
            << c.database << c.settings;
    }
}

TEST(StartUp, FillsTheStatusBarAndTheTargetScaleList)
{
    AppFixture app;
    app.addScale(QStringLiteral("192.168.1.9"), QStringLiteral("Kasap"));
    app.addScale(QStringLiteral("192.168.1.10"), QStringLiteral("Şarküteri"));
    app.addScale(QStringLiteral("192.168.1.2"), QStringLiteral("Pasif"), QStringLiteral("1"));
    app.addProduct(1, QStringLiteral("DANA KIYMA"));
    app.addProduct(2, QStringLiteral("SUCUK"));
    MainWindow& w = app.start();

    EXPECT_TRUE(app.dialogs.shown().isEmpty());
    EXPECT_EQ(w.statusText(0), QStringLiteral("Ver:5.5P"));
    EXPECT_EQ(w.statusText(1), QStringLiteral("Terazi"));
    EXPECT_EQ(w.statusText(2), QStringLiteral("2"));
    EXPECT_EQ(w.statusText(3), QStringLiteral("Ürün"));
    EXPECT_EQ(w.statusText(4), QStringLiteral("2"));
    EXPECT_EQ(w.statusText(5), QStringLiteral("İşlem"));
    EXPECT_EQ(w.statusText(6), QString());
    // Text order of the IP, not numeric order.
    EXPECT_EQ(w.targetScales(), (QStringList{QStringLiteral("192.168.1.10"), QStringLiteral("192.168.1.9")}));

    const Rows log = app.db->run(QStringLiteral("SELECT ISLEM FROM LOGTBL"));
    ASSERT_EQ(log.count(), 1);
    EXPECT_EQ(log.text(0, QStringLiteral("ISLEM")), QStringLiteral("Program Başlatıldı."));

    const int widths[] = {80, 75, 45, 75, 60, 75, 500};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(w.findChild<QLabel*>(QStringLiteral("Sb1Panel%1").arg(i))->width(), widths[i]) << i;
}

TEST(StartUp, EmptyCatalogueShowsZeros)
{
    AppFixture app;
    MainWindow& w = app.start();
    EXPECT_EQ(w.statusText(2), QStringLiteral("0"));
    EXPECT_EQ(w.statusText(4), QStringLiteral("0"));
    EXPECT_TRUE(w.targetScales().isEmpty());
}

TEST(StartUp, DamagedDatabaseIsReportedAndTheWindowStillOpens)
{
    AppFixture app(TestFolder::Empty);
    app.folder.writeFile(QStringLiteral("Data.FDB"), QByteArray(8192, 'x'));
    app.folder.writeSettings(QStringLiteral("[Genel]\nKusurat=,\n"));
    MainWindow& w = app.start();
    ASSERT_EQ(app.dialogs.texts(QStringLiteral("error")).size(), 1);
    EXPECT_EQ(w.statusText(2), QString());
    EXPECT_FALSE(app.guard->isBusy());
}

TEST(MainWindow, MenuHasItsCaptionsInOrder)
{
    AppFixture app;
    MainWindow& w = app.start();
    QStringList menus;
    for (QAction* top : w.menuBar()->actions()) {
        QString line = top->text();
        if (top->menu())
            for (QAction* a : top->menu()->actions())
                line += QStringLiteral("|") + (a->isSeparator() ? QStringLiteral("-") : a->text());
        menus << line;
    }
    EXPECT_EQ(menus, (QStringList{
                         QStringLiteral("İşlemler|PLU Bilgilerini Yükle|-|Kısayol Bilgilerini Yükle|-|Programdan Çıkış"),
                         QStringLiteral("Tanımlamalar|Ürünler|-|Kısayol|-|Mesajlar|-|Dış Veri Formatı|-|Teraziler"),
                         QStringLiteral("Araçlar|Genel Ayarlar|-|Log Kayıtları"),
                         QStringLiteral("Hakkında"),
                     }));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Morvanta "));
}

TEST(MainWindow, ExitButtonKeepsItsPlaceAtTheRightEdge)
{
    AppFixture app;
    MainWindow& w = app.start();
    w.show();
    w.resize(800, 600);
    QCoreApplication::processEvents();
    EXPECT_EQ(w.findChild<QToolButton*>(QStringLiteral("BtnCikis"))->x(), 670);
}

TEST(MainWindow, AutomaticModeLocksTheEditingEntries)
{
    AppFixture app;
    app.folder.writeSettings(QStringLiteral("[OtoYukleme]\nBaslatma=E\nPeriyodik=H\nBaslatSure=00:03:17\n"));
    MainWindow& w = app.start();
    EXPECT_FALSE(w.autoPanel()->isHidden());
    EXPECT_EQ(w.autoPanel()->countdown()->text(), QStringLiteral("00:03:17"));
    for (const char* name : {"BtnUrun", "BtnHotkey"})
        EXPECT_FALSE(w.findChild<QToolButton*>(QLatin1String(name))->isEnabled()) << name;
    for (const char* name : {"MN11", "MN12", "MN21", "MN22", "MN23", "MN24"})
        EXPECT_FALSE(w.findChild<QAction*>(QLatin1String(name))->isEnabled()) << name;
    for (const char* name : {"MN13", "MN25", "MN31", "MN32", "MN4"})
        EXPECT_TRUE(w.findChild<QAction*>(QLatin1String(name))->isEnabled()) << name;
    EXPECT_TRUE(w.findChild<QToolButton*>(QStringLiteral("BtnLog"))->isEnabled());
}

TEST(MainWindow, NormalModeKeepsThePanelHiddenAndEverythingEnabled)
{
    AppFixture app;
    MainWindow& w = app.start();
    EXPECT_TRUE(w.autoPanel()->isHidden());
    EXPECT_TRUE(w.findChild<QAction*>(QStringLiteral("MN21"))->isEnabled());
}
