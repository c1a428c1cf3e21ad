#include "app/AutoPanel.h"
#include "tests/support/AppFixture.h"

#include <QLabel>

#include <gtest/gtest.h>

#include <stdexcept>

using namespace mv;
using namespace mv::test;

TEST(AutomaticMode, AnErrorIsShownLoggedAndTheNextPeriodStillComes)
{
    AppFixture app;
    app.folder.writeSettings(QStringLiteral(
        "[OtoYukleme]\nBaslatma=E\nPeriyodik=E\nBaslatSure=00:00:01\nPeriyodikSure=00:00:02\n"));
    MainWindow& w = app.start();
    int runs = 0;
    w.setAutomaticRun([&] {
        if (++runs == 1)
            throw std::runtime_error("Dış veri dosyası bulunamadı: fiyat.txt");
    });

    w.autoCycle().tick();
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(w.statusText(6), QStringLiteral("Otomatik yükleme hatası: Dış veri dosyası bulunamadı: fiyat.txt"));
    EXPECT_EQ(app.dialogs.texts(QStringLiteral("error")),
              QStringList{QStringLiteral("Dış veri dosyası bulunamadı: fiyat.txt")});
    const Rows log = app.db->run(QStringLiteral("SELECT ISLEM FROM LOGTBL ORDER BY LOGNO"));
    EXPECT_EQ(log.text(log.count() - 1, QStringLiteral("ISLEM")),
              QStringLiteral("Otomatik yükleme hatası: Dış veri dosyası bulunamadı: fiyat.txt"));
    EXPECT_EQ(w.autoPanel()->countdown()->text(), QStringLiteral("00:00:02"));
    EXPECT_FALSE(w.autoPanel()->isHidden());

    w.autoCycle().tick();
    w.autoCycle().tick();
    EXPECT_EQ(runs, 2);
}

TEST(AutomaticMode, TickWhileAnActionRunsIsNotHandled)
{
    AppFixture app;
    app.folder.writeSettings(QStringLiteral("[OtoYukleme]\nBaslatma=E\nPeriyodik=H\nBaslatSure=00:00:01\n"));
    MainWindow& w = app.start();
    int runs = 0;
    w.setAutomaticRun([&] { ++runs; });
    app.guard->run(&w, [&] { w.autoCycle().tick(); });
    EXPECT_EQ(runs, 0);
    w.autoCycle().tick();
    EXPECT_EQ(runs, 1);
}
