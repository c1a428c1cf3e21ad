// What arrives in a scale's memory through the driver, and how the driver reports a scale
// that misbehaves.

#include "scale/driver/PBusDrv.h"
#include "settings/Cp1254.h"
#include "tests/driver/ClusterBuffer.h"
#include "tests/driver/DriverFolder.h"
#include "tools/scale-sim/ScaleSimulator.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>

using mv::sim::ScaleSimulator;
using mv::sim::SimPluRecord;
using mv::sim::SimulatorFaults;
using mv::sim::SimulatorOptions;
using mv::test::clusterOf;
using mv::test::DriverFolder;
using mv::test::TestPlu;

namespace {

constexpr std::uint8_t kHello = 0x01, kCluster = 0x02, kMessage = 0x04;

// A simulated scale on 127.0.0.4 with a current folder whose system.cfg points at it.
class DriverTransfer : public ::testing::Test {
protected:
    void startScale(SimulatorFaults faults = {}, int replyTimeoutMs = 5000)
    {
        SimulatorOptions o;
        o.address = QStringLiteral("127.0.0.4");
        o.faults = faults;
        scale = std::make_unique<ScaleSimulator>(o);
        ASSERT_TRUE(scale->start());
        folder = std::make_unique<DriverFolder>(scale->port(), 2000, replyTimeoutMs);
        ASSERT_EQ(PBusConnectEx(".\\lfzk.dat", ".\\system.cfg", "127.0.0.4"), PBUS_OK);
    }
    void TearDown() override
    {
        PBusDisConnectEx("127.0.0.4");
        folder.reset();
        scale.reset();
    }

    std::unique_ptr<ScaleSimulator> scale;
    std::unique_ptr<DriverFolder> folder;
};

TestPlu cheese()
{
    TestPlu p;
    p.code = 1234;
    p.name = mv::toCp1254(QStringLiteral("Çiğ Süt Peyniri İŞĞÜÖÇ ışğüöç"));
    p.barcode = "2801234";
    p.barcodeType = 2;
    p.price = 12550;
    p.type = 4;
    p.department = 28;
    p.tare = 0.015;
    p.shelfLife = 7;
    p.message = 12;
    p.label = 128;
    return p;
}

TEST_F(DriverTransfer, ClusterFieldsArriveDecoded)
{
    startScale();
    ASSERT_EQ(PBusTransferPLUCluster(clusterOf(cheese()).constData()), PBUS_OK);

    const auto plus = scale->memory().plus;
    ASSERT_EQ(plus.size(), 1u);
    const SimPluRecord& r = plus.at(1234);
    EXPECT_EQ(r.name, QStringLiteral("Çiğ Süt Peyniri İŞĞÜÖÇ ışğüöç"));
    EXPECT_EQ(r.barcode, QStringLiteral("2801234"));
    EXPECT_EQ(r.barcodeType, 2);
    EXPECT_EQ(r.price, 12550);
    EXPECT_EQ(r.type, 4);
    EXPECT_EQ(r.department, 28);
    EXPECT_DOUBLE_EQ(r.tare, 0.015);
    EXPECT_EQ(r.shelfLife, 7);
    EXPECT_EQ(r.message, 12);
    EXPECT_EQ(r.label, 128);
}

TEST_F(DriverTransfer, LaterClusterReplacesTheSameCode)
{
    startScale();
    TestPlu a = cheese();
    TestPlu b = cheese();
    b.code = 7;
    b.name = "Ekmek";
    b.barcode = "";
    b.type = 10;
    b.tare = -1.5;
    b.price = -5; // numbers travel as they are, even odd ones
    ASSERT_EQ(PBusTransferPLUCluster(clusterOf(a).constData()), PBUS_OK);
    ASSERT_EQ(PBusTransferPLUCluster(clusterOf(b).constData()), PBUS_OK);
    a.name = "Yeni ad";
    a.price = 100;
    ASSERT_EQ(PBusTransferPLUCluster(clusterOf(a).constData()), PBUS_OK);

    const auto plus = scale->memory().plus;
    ASSERT_EQ(plus.size(), 2u);
    EXPECT_EQ(plus.begin()->first, 7);
    EXPECT_EQ(plus.at(7).barcode, QString());
    EXPECT_EQ(plus.at(7).price, -5);
    EXPECT_DOUBLE_EQ(plus.at(7).tare, -1.5);
    EXPECT_EQ(plus.at(1234).name, QStringLiteral("Yeni ad"));
    EXPECT_EQ(plus.at(1234).price, 100);
}

TEST_F(DriverTransfer, EverySlotOfAClusterIsStored)
{
    startScale();
    std::array<TestPlu, 4> slots;
    for (int i = 0; i < 4; ++i) {
        slots[std::size_t(i)].code = 10 + i;
        slots[std::size_t(i)].name = "Slot " + QByteArray::number(i);
    }
    ASSERT_EQ(PBusTransferPLUCluster(clusterOf(slots).constData()), PBUS_OK);
    const auto plus = scale->memory().plus;
    ASSERT_EQ(plus.size(), 4u);
    EXPECT_EQ(plus.at(13).name, QStringLiteral("Slot 3"));
}

TEST_F(DriverTransfer, BadTextOffsetsSendNothing)
{
    startScale();
    struct Case {
        const char* name;
        int slot;
        int field;
        std::uint32_t offset;
    };
    const Case cases[] = {
        { "null name", 0, 0, 0 },
        { "name inside the cluster", 1, 0, 200 },
        { "barcode on the last cluster byte", 3, 8, 271 },
        { "barcode far behind the text area", 2, 8, 272 + 65536 },
        { "name at 4 GiB", 0, 0, 0xFFFFFFFFu },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QByteArray cluster = clusterOf(cheese());
        mv::test::setTextOffset(cluster, c.slot, c.field, c.offset);
        EXPECT_EQ(PBusTransferPLUCluster(cluster.constData()), PBUS_E_BAD_ARGUMENT);
    }
    // A text that does not end within 1024 bytes.
    QByteArray longName = clusterOf(cheese());
    mv::test::setTextOffset(longName, 0, 0, std::uint32_t(longName.size()));
    longName += QByteArray(1100, 'A');
    longName += '\0';
    EXPECT_EQ(PBusTransferPLUCluster(longName.constData()), PBUS_E_BAD_ARGUMENT);
    EXPECT_EQ(PBusTransferPLUCluster(nullptr), PBUS_E_BAD_ARGUMENT);

    EXPECT_EQ(scale->receivedFrames(), std::vector<std::uint8_t> { kHello });
    // The connection is still good.
    EXPECT_EQ(PBusTransferPLUCluster(clusterOf(cheese()).constData()), PBUS_OK);
    EXPECT_EQ(scale->memory().plus.size(), 1u);
}

TEST_F(DriverTransfer, HotkeyTablesOneAndTwo)
{
    startScale();
    std::int32_t first[84] = {};
    first[0] = 10;
    first[1] = 20;
    first[83] = 30;
    std::int32_t second[84];
    for (int i = 0; i < 84; ++i)
        second[i] = 16843009; // the byte-1 fill of the second table
    second[0] = -1;
    second[27] = 99;
    ASSERT_EQ(PBusTransferHotkey(first, 0), PBUS_OK);
    ASSERT_EQ(PBusTransferHotkey(second, 1), PBUS_OK);

    const auto memory = scale->memory();
    EXPECT_EQ(memory.hotkeys[0][0], 10);
    EXPECT_EQ(memory.hotkeys[0][1], 20);
    EXPECT_EQ(memory.hotkeys[0][2], 0);
    EXPECT_EQ(memory.hotkeys[0][83], 30);
    EXPECT_EQ(memory.hotkeys[1][0], -1);
    EXPECT_EQ(memory.hotkeys[1][27], 99);
    EXPECT_EQ(memory.hotkeys[1][83], 16843009);

    for (const int table : { -1, 2, 84 }) {
        SCOPED_TRACE(table);
        EXPECT_EQ(PBusTransferHotkey(first, table), PBUS_E_BAD_ARGUMENT);
    }
    EXPECT_EQ(PBusTransferHotkey(nullptr, 0), PBUS_E_BAD_ARGUMENT);
}

TEST_F(DriverTransfer, MessagesByNumber)
{
    startScale();
    const QByteArray turkish = mv::toCp1254(QStringLiteral("Güle güle, İyi günler"));
    struct Case {
        std::int32_t number;
        const char* text;
        std::int32_t length;
        QString stored;
    };
    const Case cases[] = {
        { 5, "Taze", 4, QStringLiteral("Taze") },
        { 7, "Dondurulmus urun", 8, QStringLiteral("Dondurul") }, // only `length` bytes
        { 8, "Bir\0iki", 7, QStringLiteral("Bir") },            // nothing past the zero
        { 9, "", 0, QString() },
        { 3, "Line 1\r\nLine 2", 14, QStringLiteral("Line 1\r\nLine 2") },
        { 4, turkish.constData(), std::int32_t(turkish.size()), QStringLiteral("Güle güle, İyi günler") },
        { 5, "Taze değil", 4, QStringLiteral("Taze") },
    };
    for (const Case& c : cases)
        EXPECT_EQ(PBusTransferMessage(c.number, c.text, c.length), PBUS_OK) << c.number;
    EXPECT_EQ(PBusTransferMessage(9, nullptr, 0), PBUS_OK);

    const auto messages = scale->memory().messages;
    ASSERT_EQ(messages.size(), 6u);
    for (const Case& c : cases)
        EXPECT_EQ(messages.at(c.number), c.stored) << c.number;

    EXPECT_EQ(PBusTransferMessage(1, "x", -1), PBUS_E_BAD_ARGUMENT);
    EXPECT_EQ(PBusTransferMessage(1, nullptr, 3), PBUS_E_BAD_ARGUMENT);
    const QByteArray tooLong(1025, 'm');
    EXPECT_EQ(PBusTransferMessage(1, tooLong.constData(), std::int32_t(tooLong.size())), PBUS_E_BAD_ARGUMENT);
    EXPECT_EQ(scale->memory().messages.count(1), 0u);
}

TEST_F(DriverTransfer, ClearEmptiesProductsAndHotkeysButKeepsMessages)
{
    startScale();
    std::int32_t keys[84] = {};
    keys[5] = 1234;
    ASSERT_EQ(PBusTransferPLUCluster(clusterOf(cheese()).constData()), PBUS_OK);
    ASSERT_EQ(PBusTransferHotkey(keys, 0), PBUS_OK);
    ASSERT_EQ(PBusTransferHotkey(keys, 1), PBUS_OK);
    ASSERT_EQ(PBusTransferMessage(1, "Taze", 4), PBUS_OK);

    ASSERT_EQ(PBusClearPLUData("127.0.0.4"), PBUS_OK);
    const auto memory = scale->memory();
    EXPECT_TRUE(memory.plus.empty());
    EXPECT_EQ(memory.hotkeys[0][5], 0);
    EXPECT_EQ(memory.hotkeys[1][5], 0);
    EXPECT_EQ(memory.messages.size(), 1u);
    EXPECT_EQ(memory.clears, 1);
}

TEST_F(DriverTransfer, ScaleRefusesClustersWhenFull)
{
    SimulatorFaults f;
    f.refuseClusterAfter = 2;
    startScale(f);
    TestPlu p = cheese();
    for (int code = 1; code <= 2; ++code) {
        p.code = code;
        EXPECT_EQ(PBusTransferPLUCluster(clusterOf(p).constData()), PBUS_OK);
    }
    p.code = 3;
    EXPECT_EQ(PBusTransferPLUCluster(clusterOf(p).constData()), PBUS_E_SCALE_REFUSED);
    EXPECT_EQ(scale->memory().plus.size(), 2u);
    // A refusal is an answer: the connection stays usable.
    EXPECT_EQ(PBusTransferMessage(1, "a", 1), PBUS_OK);
}

TEST_F(DriverTransfer, BrokenConnectionsEndTheSession)
{
    struct Case {
        const char* name;
        SimulatorFaults faults;
        int replyTimeoutMs;
        int result;
    };
    SimulatorFaults drop;
    drop.dropAfterFrames = 2; // greeting and one cluster
    SimulatorFaults garbage;
    garbage.garbageAfterFrames = 2;
    SimulatorFaults slow;
    slow.replyDelayMs = 60000;
    slow.replyDelayAfterFrames = 2;
    const Case cases[] = {
        { "dropped", drop, 5000, PBUS_E_DROPPED },
        { "garbage", garbage, 5000, PBUS_E_PROTOCOL },
        { "too slow", slow, 300, PBUS_E_TIMEOUT },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        startScale(c.faults, c.replyTimeoutMs);
        const QByteArray cluster = clusterOf(cheese());
        EXPECT_EQ(PBusTransferPLUCluster(cluster.constData()), PBUS_OK);
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(PBusTransferPLUCluster(cluster.constData()), c.result);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
        // The driver closed the connection: nothing more goes out until the next connect.
        EXPECT_EQ(PBusTransferPLUCluster(cluster.constData()), PBUS_E_NOT_CONNECTED);
        EXPECT_EQ(PBusDisConnectEx("127.0.0.4"), PBUS_OK);
        EXPECT_EQ(scale->receivedFrames(), (std::vector<std::uint8_t> { kHello, kCluster, kCluster }));
        TearDown();
    }
}

} // namespace
