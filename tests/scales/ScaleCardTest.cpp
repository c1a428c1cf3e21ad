// The scale card: field checks in screen order, the IP form, the duplicate IP check,
// the writes of a new and a changed scale, and the card's keys.

#include "screens/ScaleCard.h"
#include "screens/ScaleCardSave.h"
#include "screens/ScaleRecords.h"
#include "tests/scales/ScaleScreenKit.h"
#include "tests/support/AppFixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace mv;
using namespace mv::test;

namespace {

class ScaleCardTest : public ::testing::Test {
protected:
    std::unique_ptr<ScaleCard> addCard()
    {
        auto card = std::make_unique<ScaleCard>(*app.ctx, app.window.get());
        card->setSaveCaption(ScaleCard::addCaption());
        card->setSaveEnabled(true);
        return card;
    }

    std::unique_ptr<ScaleCard> changeCard(const QString& ip)
    {
        auto card = std::make_unique<ScaleCard>(*app.ctx, app.window.get());
        card->setSaveCaption(ScaleCard::changeCaption());
        card->setSaveEnabled(true);
        ScaleRecords records(*app.db);
        for (const ScaleRow& row : records.all())
            if (row.ip == ip)
                card->showScale(row);
        return card;
    }

    QLineEdit* field(QWidget* card, const char* name) { return card->findChild<QLineEdit*>(QLatin1String(name)); }

    AppFixture app;
};

QStringList emptyHotkeyTables()
{
    QStringList rows;
    for (int table = 1; table <= 2; ++table)
        for (int key = 1; key <= 112; ++key)
            rows << QStringLiteral("%1|%2|0").arg(table).arg(key);
    return rows;
}

TEST(ScaleCardIp, AcceptsOnlyDottedIpv4)
{
    const struct {
        const char* text;
        bool valid;
    } cases[] = {
        {"192.168.1.10", true},     {"0.0.0.0", true},          {"255.255.255.255", true},
        {"10.0.0.1", true},         {"192.168.1", false},       {"192.168.1.10.5", false},
        {"192.168.1.256", false},   {"192.168.1.", false},      {".192.168.1.1", false},
        {"192.168..1", false},      {"192.168.01.1", false},    {" 192.168.1.1", false},
        {"192.168.1.1 ", false},    {"192,168,1,1", false},     {"a.b.c.d", false},
        {"+1.2.3.4", false},        {"1.2.3.-4", false},        {"1234.1.1.1", false},
        {"terazi.local", false},    {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ScaleCardSave::isDottedIpv4(QString::fromLatin1(c.text)), c.valid) << c.text;
    // Digits of other scripts are no address either.
    EXPECT_FALSE(ScaleCardSave::isDottedIpv4(QStringLiteral("١٩٢.168.1.1")));
}

TEST_F(ScaleCardTest, RefusesEmptyAndMalformedFieldsInScreenOrder)
{
    app.start();
    const struct {
        const char* name;
        const char* ip;
        const char* message;
        const char* focus;
    } cases[] = {
        {"", "", "Terazi Adı Bilgisi Boş Olamaz.", "CeTeraziAdi"},
        {"", "192.168.1.5", "Terazi Adı Bilgisi Boş Olamaz.", "CeTeraziAdi"},
        {"Kasap", "", "Terazi IP No Bilgisi Boş Olamaz.", "CeTeraziIPNo"},
        {"Kasap", "192.168.1", "Terazi IP No Bilgisi Hatalı.", "CeTeraziIPNo"},
        {"Kasap", "192.168.1.300", "Terazi IP No Bilgisi Hatalı.", "CeTeraziIPNo"},
        {"Kasap", "192.168.1.5 ", "Terazi IP No Bilgisi Hatalı.", "CeTeraziIPNo"},
    };
    for (const auto& c : cases) {
        app.dialogs.clear();
        auto card = addCard();
        card->show();
        fillCard(card.get(), QString::fromUtf8(c.name), QString::fromUtf8(c.ip));
        card->findChild<QComboBox*>(QStringLiteral("CbDurum"))->setFocus();
        clickButton(card.get(), QStringLiteral("BtnKaydet"));

        EXPECT_EQ(app.dialogs.texts(QStringLiteral("notice")), QStringList{QString::fromUtf8(c.message)}) << c.ip;
        ASSERT_TRUE(card->focusWidget());
        EXPECT_EQ(card->focusWidget()->objectName(), QLatin1String(c.focus)) << c.ip;
        EXPECT_TRUE(card->isVisible());
        EXPECT_NE(card->result(), QDialog::Accepted);
    }
    EXPECT_TRUE(committedScales(app.folder.databasePath()).isEmpty());
}

TEST_F(ScaleCardTest, NewScaleGetsItsRowAndTwoEmptyHotkeyTables)
{
    MainWindow& window = app.start();
    const struct {
        const char* name;
        const char* ip;
        int state;
        const char* durum;
        const char* panel2;
    } cases[] = {
        {"Kasap", "192.168.1.20", 0, "0", "1"},
        // A name with a quote and Turkish letters is stored as typed.
        {"Şarküteri'nin", "192.168.1.21", 0, "0", "2"},
        {"Yedek", "192.168.1.22", 1, "1", "2"},
    };
    QStringList expected;
    for (const auto& c : cases) {
        auto card = addCard();
        fillCard(card.get(), QString::fromUtf8(c.name), QString::fromUtf8(c.ip), c.state);
        clickButton(card.get(), QStringLiteral("BtnKaydet"));
        ASSERT_EQ(card->result(), QDialog::Accepted) << c.ip;

        const QStringList scales = committedScales(app.folder.databasePath());
        ASSERT_EQ(scales.size(), expected.size() + 1);
        const int id = scales.last().section(QLatin1Char('|'), 0, 0).toInt();
        expected << QStringLiteral("%1|%2|%3|%4|").arg(id).arg(QString::fromUtf8(c.ip), QString::fromUtf8(c.name),
                                                           QString::fromUtf8(c.durum));
        EXPECT_EQ(scales, expected);
        EXPECT_EQ(committedHotkeys(app.folder.databasePath(), id), emptyHotkeyTables());
        EXPECT_EQ(window.statusText(2), QLatin1String(c.panel2));
    }
    EXPECT_TRUE(app.dialogs.shown().isEmpty());
}

TEST_F(ScaleCardTest, DuplicateIpInAddModeIsRefusedAndUsesUpANumber)
{
    app.addScale(QStringLiteral("192.168.1.20"), QStringLiteral("Kasap"));
    app.start();
    const QStringList before = committedScales(app.folder.databasePath());
    const int firstId = before.first().section(QLatin1Char('|'), 0, 0).toInt();

    auto refused = addCard();
    refused->show();
    fillCard(refused.get(), QStringLiteral("Kasap 2"), QStringLiteral("192.168.1.20"));
    clickButton(refused.get(), QStringLiteral("BtnKaydet"));
    EXPECT_EQ(app.dialogs.texts(QStringLiteral("notice")),
              QStringList{QStringLiteral("Terazi IP No Mevcut, Lütfen Bilgileri Kontrol Ediniz.")});
    EXPECT_TRUE(refused->isVisible());
    EXPECT_EQ(committedScales(app.folder.databasePath()), before);

    auto accepted = addCard();
    fillCard(accepted.get(), QStringLiteral("Kasap 2"), QStringLiteral("192.168.1.21"));
    clickButton(accepted.get(), QStringLiteral("BtnKaydet"));
    const QStringList after = committedScales(app.folder.databasePath());
    ASSERT_EQ(after.size(), 2);
    EXPECT_EQ(after.last().section(QLatin1Char('|'), 0, 0).toInt(), firstId + 2);
}

TEST_F(ScaleCardTest, ChangeModeChecksTheIpAgainstOtherScalesOnly)
{
    app.addScale(QStringLiteral("192.168.1.20"), QStringLiteral("Kasap"));
    app.addScale(QStringLiteral("192.168.1.21"), QStringLiteral("Manav"));
    MainWindow& window = app.start();
    const QStringList before = committedScales(app.folder.databasePath());
    const QString kasapId = before.first().section(QLatin1Char('|'), 0, 0);

    // Another scale's IP: refused, nothing changes.
    auto card = changeCard(QStringLiteral("192.168.1.20"));
    EXPECT_EQ(card->findChild<QLabel*>(QStringLiteral("LblID"))->text(), kasapId);
    card->show();
    fillCard(card.get(), QStringLiteral("Kasap"), QStringLiteral("192.168.1.21"));
    clickButton(card.get(), QStringLiteral("BtnKaydet"));
    EXPECT_EQ(app.dialogs.texts(QStringLiteral("notice")),
              QStringList{QStringLiteral("Terazi IP No Mevcut, Lütfen Bilgileri Kontrol Ediniz.")});
    EXPECT_TRUE(card->isVisible());
    EXPECT_EQ(committedScales(app.folder.databasePath()), before);

    // Its own IP, a new name and Pasif: saved under the same number, hotkeys kept.
    app.dialogs.clear();
    fillCard(card.get(), QStringLiteral("Kasap Yeni"), QStringLiteral("192.168.1.20"), 1);
    clickButton(card.get(), QStringLiteral("BtnKaydet"));
    EXPECT_TRUE(app.dialogs.shown().isEmpty());
    EXPECT_EQ(card->result(), QDialog::Accepted);
    const QStringList after = committedScales(app.folder.databasePath());
    EXPECT_EQ(after.first(), kasapId + QStringLiteral("|192.168.1.20|Kasap Yeni|1|"));
    EXPECT_EQ(after.last(), before.last());
    EXPECT_EQ(committedHotkeys(app.folder.databasePath(), kasapId.toInt()).size(), 224);
    EXPECT_EQ(window.statusText(2), QStringLiteral("1"));
}

TEST_F(ScaleCardTest, ChangeModeShowsTheScale)
{
    app.addScale(QStringLiteral("192.168.1.20"), QStringLiteral("Kasap"), QStringLiteral("1"));
    app.start();
    auto card = changeCard(QStringLiteral("192.168.1.20"));
    EXPECT_FALSE(card->isAddMode());
    EXPECT_EQ(field(card.get(), "CeTeraziAdi")->text(), QStringLiteral("Kasap"));
    EXPECT_EQ(field(card.get(), "CeTeraziIPNo")->text(), QStringLiteral("192.168.1.20"));
    EXPECT_EQ(card->findChild<QComboBox*>(QStringLiteral("CbDurum"))->currentText(), QStringLiteral("Pasif"));
    EXPECT_TRUE(addCard()->isAddMode());
}

TEST_F(ScaleCardTest, AFailedNewScaleLeavesNothingForTheNextCommit)
{
    app.start();
    // A hotkey row left behind under the number the next scale will get makes its
    // hotkey inserts fail half way.
    const int next = app.db->executeProcedure(QStringLiteral("P_TERAZI")).toInt() + 1;
    app.db->run(QStringLiteral("INSERT INTO HKEYTBL VALUES(?,?,?,?)"), {next, 2, 50, 7});
    app.db->commit();

    auto card = addCard();
    card->show();
    fillCard(card.get(), QStringLiteral("Kasap"), QStringLiteral("192.168.1.20"));
    clickButton(card.get(), QStringLiteral("BtnKaydet"));
    EXPECT_EQ(app.dialogs.texts(QStringLiteral("error")).size(), 1);
    EXPECT_TRUE(card->isVisible());

    // Another window commits the shared transaction.
    app.db->commit();
    EXPECT_TRUE(committedScales(app.folder.databasePath()).isEmpty());
    const QStringList keys = committedHotkeys(app.folder.databasePath(), next);
    EXPECT_FALSE(keys.contains(QStringLiteral("1|1|0")));
}

TEST_F(ScaleCardTest, KeysWalkSaveAndClose)
{
    app.start();
    auto card = addCard();
    card->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(card.get()));
    QLineEdit* name = field(card.get(), "CeTeraziAdi");
    QLineEdit* ip = field(card.get(), "CeTeraziIPNo");
    auto* state = card->findChild<QComboBox*>(QStringLiteral("CbDurum"));

    // Enter: name -> IP -> state -> name; the focused field is yellow, the others white.
    name->setFocus();
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_EQ(card->focusWidget(), ip);
    EXPECT_EQ(ip->palette().color(QPalette::Base), QColor(Qt::yellow));
    EXPECT_EQ(name->palette().color(QPalette::Base), QColor(Qt::white));
    QTest::keyClick(ip, Qt::Key_Enter);
    EXPECT_EQ(card->focusWidget(), state);
    QTest::keyClick(state, Qt::Key_Return);
    EXPECT_EQ(card->focusWidget(), name);
    EXPECT_TRUE(card->isVisible());

    // F2 saves from any field.
    fillCard(card.get(), QStringLiteral("Kasap"), QStringLiteral("192.168.1.20"));
    QTest::keyClick(state, Qt::Key_F2);
    EXPECT_EQ(card->result(), QDialog::Accepted);
    EXPECT_EQ(committedScales(app.folder.databasePath()).size(), 1);

    // Esc closes without saving.
    auto other = addCard();
    other->show();
    fillCard(other.get(), QStringLiteral("Manav"), QStringLiteral("192.168.1.21"));
    QTest::keyClick(field(other.get(), "CeTeraziIPNo"), Qt::Key_Escape);
    EXPECT_FALSE(other->isVisible());
    EXPECT_EQ(other->result(), QDialog::Rejected);
    EXPECT_EQ(committedScales(app.folder.databasePath()).size(), 1);
}

TEST_F(ScaleCardTest, SaveStaysOffUntilTheCallerEnablesIt)
{
    app.start();
    ScaleCard card(*app.ctx, app.window.get());
    EXPECT_EQ(card.objectName(), QStringLiteral("TForm7"));
    EXPECT_EQ(card.windowTitle(), QStringLiteral("Terazi Kartı"));
    auto* save = card.findChild<QPushButton*>(QStringLiteral("BtnKaydet"));
    EXPECT_FALSE(save->isEnabled());
    EXPECT_EQ(save->text(), QStringLiteral("Kaydet"));
    EXPECT_EQ(card.findChild<QPushButton*>(QStringLiteral("BtnKapat"))->text(), QStringLiteral("Kapat"));
    EXPECT_EQ(card.findChild<QComboBox*>(QStringLiteral("CbDurum"))->currentText(), QStringLiteral("Aktif"));
    EXPECT_EQ(field(&card, "CeTeraziAdi")->maxLength(), 16);
    EXPECT_EQ(field(&card, "CeTeraziIPNo")->maxLength(), 16);

    card.show();
    fillCard(&card, QStringLiteral("Kasap"), QStringLiteral("192.168.1.20"));
    QTest::keyClick(field(&card, "CeTeraziAdi"), Qt::Key_F2);
    EXPECT_TRUE(card.isVisible());
    EXPECT_TRUE(committedScales(app.folder.databasePath()).isEmpty());
}

} // namespace
