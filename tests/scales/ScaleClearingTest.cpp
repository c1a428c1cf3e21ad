// Clearing a scale's memory from the scale list: the question, the driver calls and the
// texts, with a recording driver and with the real driver against a simulated scale.

#include "scale/LibraryScaleDriver.h"
#include "scale/PluCluster.h"
#include "screens/ScaleClearing.h"
#include "screens/ScaleListModel.h"
#include "screens/ScaleListScreen.h"
#include "tests/scales/ScaleScreenKit.h"
#include "tests/support/AppFixture.h"
#include "tools/scale-sim/ScaleSimulator.h"
#include "tools/scale-sim/SystemCfg.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace mv;
using namespace mv::test;

namespace {

// Notices go into the driver's call list too, so the order of both can be seen.
class NoticeRecorder : public Dialogs {
public:
    NoticeRecorder(ScriptedDialogs& inner, FakeScaleDriver& driver) : m_inner(inner), m_driver(driver) {}
    bool ask(QWidget* p, const QString& text, const QString& caption) override { return m_inner.ask(p, text, caption); }
    void notice(QWidget* p, const QString& text, Icon icon) override
    {
        m_driver.calls << QStringLiteral("notice");
        m_inner.notice(p, text, icon);
    }
    void warning(QWidget* p, const QString& text) override { m_inner.warning(p, text); }
    void error(QWidget* p, const QString& text, bool wait) override { m_inner.error(p, text, wait); }

private:
    ScriptedDialogs& m_inner;
    FakeScaleDriver& m_driver;
};

// The current folder of the process for one test: the driver reads .\system.cfg there.
class CurrentFolder {
public:
    explicit CurrentFolder(const QString& path) : m_previous(QDir::currentPath()) { EXPECT_TRUE(QDir::setCurrent(path)); }
    ~CurrentFolder() { QDir::setCurrent(m_previous); }

private:
    QString m_previous;
};

TEST(ScaleClearing, AsksThenConnectsClearsReportsAndDisconnects)
{
    const QString ip = QStringLiteral("192.168.1.9");
    const struct {
        bool answer;
        bool reachable;
        QStringList calls;
        QString notice;
    } cases[] = {
        {true, true,
         {QStringLiteral("connect 192.168.1.9"), QStringLiteral("clear 192.168.1.9"), QStringLiteral("notice"),
          QStringLiteral("disconnect 192.168.1.9")},
         ip + QStringLiteral("\rIP Numaralı Teraziye Yüklü PLU ve Kısayol Bilgileri Silindi.")},
        {true, false, {QStringLiteral("connect 192.168.1.9"), QStringLiteral("notice")},
         ip + QStringLiteral("\rIP Numaralı Terazi ile iletişim kurulamadı..")},
        {false, true, {}, QString()},
    };
    for (const auto& c : cases) {
        AppFixture app;
        app.addScale(ip, QStringLiteral("Kasap"));
        app.db->run(QStringLiteral("UPDATE HKEYTBL SET PLUKODU=? WHERE TBLNO=? AND TUSNO=?"), {42, 1, 3});
        app.db->commit();
        MainWindow& w = app.start();
        if (!c.reachable)
            app.driver.unreachable.insert(ip.toLatin1());
        NoticeRecorder dialogs(app.dialogs, app.driver);
        AppContext ctx{app.folder.folder(), *app.db, *app.log, dialogs, *app.guard, app.driver, &w};
        ScaleListScreen screen(ctx, &w);
        screen.list();
        app.dialogs.clear();

        app.dialogs.answer(c.answer);
        clickButton(&screen, QStringLiteral("BtnTemizle"));

        EXPECT_EQ(app.dialogs.texts(QStringLiteral("ask")),
                  QStringList{ip + QStringLiteral("\rIP Numaralı Teraziye yüklü PLU bilgileri silinsin mi?")});
        EXPECT_EQ(app.driver.calls, c.calls) << c.answer << c.reachable;
        EXPECT_EQ(app.dialogs.texts(QStringLiteral("notice")), c.notice.isEmpty() ? QStringList() : QStringList{c.notice});
        // The database is not touched and nothing is logged.
        const QStringList keys = committedHotkeys(app.folder.databasePath(), screen.focusedScale()->id);
        EXPECT_EQ(keys.size(), 224);
        EXPECT_TRUE(keys.contains(QStringLiteral("1|3|42")));
        EXPECT_EQ(app.db->run(QStringLiteral("SELECT COUNT(*) FROM LOGTBL")).scalar().toInt(), 1);
        EXPECT_EQ(w.statusText(6), QString());
    }
}

TEST(ScaleClearing, EmptiesASimulatedScaleThroughTheDriver)
{
    sim::SimulatorOptions options;
    options.address = QStringLiteral("127.0.0.9");
    sim::ScaleSimulator scale(options);
    ASSERT_TRUE(scale.start());

    AppFixture app;
    app.addScale(QStringLiteral("127.0.0.9"), QStringLiteral("Kasap"));
    // Nothing listens at this one.
    app.addScale(QStringLiteral("127.0.0.10"), QStringLiteral("Manav"));
    MainWindow& w = app.start();
    ASSERT_TRUE(sim::writeSystemCfg(app.folder.file(QStringLiteral("system.cfg")), scale.port(), 1000, 3000));
    CurrentFolder here(app.folder.path());

    LibraryScaleDriver driver;
    ASSERT_TRUE(driver.load({binaryFolder()})) << driver.errorText().toStdString();

    // Something in the scale to clear: one product and a hotkey.
    PluRecord product;
    product.pluCode = 42;
    product.name = "Ayran";
    product.barcode = "2700042";
    product.productType = 10;
    product.price = 1250;
    PluCluster cluster;
    ScaleDriver::HotkeyBlock keys{};
    keys[0] = 42;
    ASSERT_GE(driver.connect(ScaleDriver::lfzkPath(), ScaleDriver::systemCfgPath(), "127.0.0.9"), 0);
    ASSERT_GE(driver.transferPluCluster(cluster.build(product)), 0);
    driver.transferHotkey(keys, 0);
    driver.disconnect("127.0.0.9");
    ASSERT_EQ(scale.memory().plus.size(), 1u);
    ASSERT_EQ(scale.memory().hotkeys[0][0], 42);

    AppContext ctx{app.folder.folder(), *app.db, *app.log, app.dialogs, *app.guard, driver, &w};
    ScaleListScreen screen(ctx, &w);
    screen.list();
    for (const char* ip : {"127.0.0.9", "127.0.0.10"}) {
        for (int r = 0; r < screen.model()->rowCount(); ++r)
            if (screen.model()->scale(r).ip == QLatin1String(ip))
                screen.focusRow(r);
        app.dialogs.answer(true);
        clickButton(&screen, QStringLiteral("BtnTemizle"));
    }

    EXPECT_EQ(app.dialogs.texts(QStringLiteral("notice")),
              (QStringList{QStringLiteral("127.0.0.9\rIP Numaralı Teraziye Yüklü PLU ve Kısayol Bilgileri Silindi."),
                           QStringLiteral("127.0.0.10\rIP Numaralı Terazi ile iletişim kurulamadı..")}));
    const sim::ScaleMemory memory = scale.memory();
    EXPECT_EQ(memory.clears, 1);
    EXPECT_TRUE(memory.plus.empty());
    EXPECT_EQ(memory.hotkeys[0][0], 0);
    EXPECT_TRUE(app.dialogs.texts(QStringLiteral("error")).isEmpty());
}

} // namespace
