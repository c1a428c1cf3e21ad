// The bytes on the wire, written out by hand from docs/scale-protocol.md: what the driver
// sends, and what the simulated scale answers.

#include "scale/driver/PBusDrv.h"
#include "settings/Cp1254.h"
#include "tests/driver/ClusterBuffer.h"
#include "tests/driver/DriverFolder.h"
#include "tests/driver/RawScale.h"
#include "tools/scale-sim/ScaleSimulator.h"

#include <gtest/gtest.h>

using mv::test::TestPlu;

namespace {

QByteArray hex(const char* text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

QByteArray zeros(int n)
{
    return QByteArray(n, '\0');
}

TEST(WireFormat, DriverFramesFollowTheDescription)
{
    mv::test::RawScale raw;
    {
        mv::test::DriverFolder folder(raw.port());
        TestPlu p;
        p.code = 12345;
        p.name = mv::toCp1254(QStringLiteral("Süt"));
        p.barcode = "280";
        p.barcodeType = 2;
        p.price = 1250;
        p.type = 4;
        p.department = 28;
        p.tare = 0.5;
        p.shelfLife = 7;
        p.message = 12;
        p.label = 3;
        std::int32_t keys[84] = {};
        keys[0] = 10;
        keys[83] = -2;

        ASSERT_EQ(PBusConnectEx(".\\lfzk.dat", ".\\system.cfg", "127.0.0.9"), PBUS_OK);
        ASSERT_EQ(PBusTransferPLUCluster(mv::test::clusterOf(p).constData()), PBUS_OK);
        ASSERT_EQ(PBusTransferHotkey(keys, 0), PBUS_OK);
        ASSERT_EQ(PBusTransferMessage(197, "Taze", 4), PBUS_OK);
        ASSERT_EQ(PBusClearPLUData("127.0.0.9"), PBUS_OK);
        ASSERT_EQ(PBusDisConnectEx("127.0.0.9"), PBUS_OK);
    }
    const QList<QByteArray> frames = raw.frames();
    ASSERT_EQ(frames.size(), 6);

    EXPECT_EQ(frames[0].toHex(' '), hex("4d 56 01 01 00000000").toHex(' ')) << "hello";

    // Record: text fields zero, numbers at their offsets, little-endian.
    const QByteArray record = hex("00000000 39300000 00000000 02000000 e2040000 04000000 1c000000"
                                  "000000000000e03f 07000000")
        + zeros(16) + hex("0c") + zeros(5) + hex("03") + zeros(5);
    ASSERT_EQ(record.size(), 68);
    const QByteArray texts = hex("0300 53fc74 0300 323830"); // "Süt" in Windows-1254, "280"
    const QByteArray clusterPayload = record + record + record + record + texts + texts + texts + texts;
    EXPECT_EQ(frames[1].toHex(' '), (hex("4d 56 01 02 38010000") + clusterPayload).toHex(' ')) << "cluster";

    const QByteArray hotkeyPayload = hex("00000000 0a000000") + zeros(4 * 82) + hex("feffffff");
    EXPECT_EQ(frames[2].toHex(' '), (hex("4d 56 01 03 54010000") + hotkeyPayload).toHex(' ')) << "hotkey";
    EXPECT_EQ(frames[3].toHex(' '), hex("4d 56 01 04 0a000000 c5000000 0400 54617a65").toHex(' ')) << "message";
    EXPECT_EQ(frames[4].toHex(' '), hex("4d 56 01 05 00000000").toHex(' ')) << "clear";
    EXPECT_EQ(frames[5].toHex(' '), hex("4d 56 01 06 00000000").toHex(' ')) << "bye";
}

TEST(WireFormat, SimulatedScaleAnswersAsDescribed)
{
    mv::sim::SimulatorOptions o;
    o.address = QStringLiteral("127.0.0.5");
    mv::sim::ScaleSimulator scale(o);
    ASSERT_TRUE(scale.start());

    const QByteArray emptyCluster = hex("4d 56 01 02 20010000") + zeros(272) + zeros(16);
    QByteArray clusterWithAddress = emptyCluster;
    clusterWithAddress[8 + 68] = 1; // slot 1 name field must be zero on the wire
    QByteArray badTable = hex("4d 56 01 03 54010000 05000000") + zeros(336);
    struct Case {
        const char* name;
        QByteArray request;
        QByteArray reply;
    };
    const Case cases[] = {
        { "hello", hex("4d 56 01 01 00000000"), hex("4d 56 01 81 04000000 01 00 0000") },
        { "two frames, two answers", hex("4d 56 01 01 00000000 4d 56 01 05 00000000"),
          hex("4d 56 01 81 04000000 01 00 0000 4d 56 01 81 04000000 05 00 0000") },
        { "message", hex("4d 56 01 04 09000000 01000000 0300 616263"), hex("4d 56 01 81 04000000 04 00 0000") },
        { "cluster of empty records", emptyCluster, hex("4d 56 01 81 04000000 02 00 0000") },
        { "cluster with an address", clusterWithAddress, hex("4d 56 01 81 04000000 02 02 0000") },
        { "text length beyond the payload", hex("4d 56 01 04 09000000 01000000 0500 616263"), hex("4d 56 01 81 04000000 04 02 0000") },
        { "short hotkey block", hex("4d 56 01 03 04000000 00000000"), hex("4d 56 01 81 04000000 03 02 0000") },
        { "hotkey table 5", badTable, hex("4d 56 01 81 04000000 03 02 0000") },
        { "unknown frame type", hex("4d 56 01 09 00000000"), hex("4d 56 01 81 04000000 09 03 0000") },
        { "version 2", hex("4d 56 02 01 00000000"), hex("4d 56 01 81 04000000 01 03 0000") },
        // After the goodbye's answer the scale closes; without the magic it closes at once.
        { "bye closes", hex("4d 56 01 06 00000000 4d 56 01 01 00000000"), hex("4d 56 01 81 04000000 06 00 0000") },
        { "no magic", hex("58 58 01 01 00000000"), QByteArray() },
        { "absurd length", hex("4d 56 01 02 ffffff7f"), QByteArray() },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // Where the scale closes, read on until it does; otherwise stop at the answer's length.
        const bool closes = c.reply.isEmpty() || c.request.startsWith(hex("4d 56 01 06"));
        const int expected = int(c.reply.size()) + (closes ? 1 : 0);
        const QByteArray reply = mv::test::rawExchange("127.0.0.5", scale.port(), c.request, expected);
        EXPECT_EQ(reply.toHex(' '), c.reply.toHex(' '));
    }
    const auto memory = scale.memory();
    EXPECT_EQ(memory.messages.at(1), QStringLiteral("abc"));
    ASSERT_EQ(memory.plus.size(), 1u);
    EXPECT_EQ(memory.plus.at(0).name, QString());
    EXPECT_EQ(memory.clears, 1);
}

} // namespace
