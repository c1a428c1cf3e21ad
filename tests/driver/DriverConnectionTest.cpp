// Connecting and disconnecting through our driver library, against simulated scales on
// loopback addresses.

#include "scale/driver/PBusDrv.h"
#include "tests/driver/DriverFolder.h"
#include "tools/scale-sim/ScaleSimulator.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <functional>

using mv::sim::RefuseMode;
using mv::sim::ScaleSimulator;
using mv::sim::SimulatorOptions;
using mv::test::DriverFolder;

namespace {

constexpr std::uint8_t kHello = 0x01, kBye = 0x06;

SimulatorOptions onAddress(const char* address, quint16 port = 0)
{
    SimulatorOptions o;
    o.address = QString::fromLatin1(address);
    o.port = port;
    return o;
}

int connectTo(const char* ip, const char* cfg = ".\\system.cfg")
{
    return PBusConnectEx(".\\lfzk.dat", cfg, ip);
}

long long millisecondsOf(const std::function<void()>& f)
{
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
}

class DriverConnection : public ::testing::Test {
protected:
    void TearDown() override { PBusDisConnectEx("127.0.0.2"); }
};

TEST_F(DriverConnection, ConnectsGreetsAndSaysGoodbye)
{
    ScaleSimulator scale(onAddress("127.0.0.2"));
    ASSERT_TRUE(scale.start());
    DriverFolder folder(scale.port());

    EXPECT_EQ(connectTo("127.0.0.2"), PBUS_OK);
    EXPECT_EQ(PBusDisConnectEx("127.0.0.2"), PBUS_OK);
    EXPECT_EQ(scale.receivedFrames(), (std::vector<std::uint8_t> { kHello, kBye }));
    EXPECT_EQ(scale.acceptedConnections(), 1);
    // Nothing left to close: harmless.
    EXPECT_EQ(PBusDisConnectEx("127.0.0.2"), PBUS_OK);
}

TEST_F(DriverConnection, ConnectWhileConnectedClosesTheFirstConnection)
{
    ScaleSimulator first(onAddress("127.0.0.2"));
    ASSERT_TRUE(first.start());
    // The same port on another loopback address, so that one system.cfg serves both.
    ScaleSimulator second(onAddress("127.0.0.3", first.port()));
    ASSERT_TRUE(second.start());
    DriverFolder folder(first.port());

    ASSERT_EQ(connectTo("127.0.0.2"), PBUS_OK);
    ASSERT_EQ(connectTo("127.0.0.3"), PBUS_OK);
    EXPECT_EQ(first.receivedFrames(), (std::vector<std::uint8_t> { kHello, kBye }));
    EXPECT_EQ(PBusClearPLUData("127.0.0.3"), PBUS_OK);
    EXPECT_EQ(first.memory().clears, 0);
    EXPECT_EQ(second.memory().clears, 1);
}

TEST_F(DriverConnection, RefusedConnectionsFailAtOnce)
{
    struct Case {
        const char* name;
        RefuseMode mode;
        bool running;
    };
    const Case cases[] = {
        { "scale holds the port but does not listen", RefuseMode::NotListening, true },
        { "scale accepts and closes at once", RefuseMode::AcceptAndClose, true },
        { "nothing on the port any more", RefuseMode::None, false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SimulatorOptions o = onAddress("127.0.0.2");
        o.faults.refuse = c.mode;
        ScaleSimulator scale(o);
        ASSERT_TRUE(scale.start());
        const quint16 port = scale.port();
        if (!c.running)
            scale.stop();
        // Long timeouts: a refusal must not wait for them.
        DriverFolder folder(port, 20000, 20000);
        int result = 0;
        const auto ms = millisecondsOf([&] { result = connectTo("127.0.0.2"); });
        EXPECT_EQ(result, PBUS_E_REFUSED);
        EXPECT_LT(ms, 10000);
        EXPECT_EQ(PBusClearPLUData("127.0.0.2"), PBUS_E_NOT_CONNECTED);
    }
}

TEST_F(DriverConnection, UnansweredGreetingTimesOut)
{
    SimulatorOptions o = onAddress("127.0.0.2");
    o.faults.replyDelayMs = 60000;
    ScaleSimulator scale(o);
    ASSERT_TRUE(scale.start());
    DriverFolder folder(scale.port(), 2000, 300);

    int result = 0;
    const auto ms = millisecondsOf([&] { result = connectTo("127.0.0.2"); });
    EXPECT_EQ(result, PBUS_E_TIMEOUT);
    EXPECT_LT(ms, 20000);
    EXPECT_EQ(PBusTransferMessage(1, "x", 1), PBUS_E_NOT_CONNECTED);
}

TEST_F(DriverConnection, TransfersWithoutConnectionFail)
{
    const std::int32_t block[84] = {};
    const QByteArray cluster(300, '\0');
    EXPECT_EQ(PBusTransferPLUCluster(cluster.constData()), PBUS_E_NOT_CONNECTED);
    EXPECT_EQ(PBusTransferHotkey(block, 0), PBUS_E_NOT_CONNECTED);
    EXPECT_EQ(PBusTransferMessage(1, "abc", 3), PBUS_E_NOT_CONNECTED);
    EXPECT_EQ(PBusClearPLUData("127.0.0.2"), PBUS_E_NOT_CONNECTED);
    EXPECT_EQ(PBusDisConnectEx("127.0.0.2"), PBUS_OK);
    EXPECT_EQ(PBusDisConnectEx(nullptr), PBUS_OK);
}

TEST_F(DriverConnection, AddressTextMustBeDottedIpv4)
{
    ScaleSimulator scale(onAddress("127.0.0.2"));
    ASSERT_TRUE(scale.start());
    DriverFolder folder(scale.port());
    for (const char* ip : { "", "scale-1", "127.0.0", "300.0.0.2", "127.0.0.2x" }) {
        SCOPED_TRACE(ip);
        EXPECT_EQ(connectTo(ip), PBUS_E_BAD_ARGUMENT);
    }
    EXPECT_EQ(connectTo(nullptr), PBUS_E_BAD_ARGUMENT);
    EXPECT_EQ(scale.acceptedConnections(), 0);
    // Blanks around the address, as a database column may keep them, are fine.
    EXPECT_EQ(connectTo(" 127.0.0.2 "), PBUS_OK);
}

TEST_F(DriverConnection, ConfigPathTakesEitherSeparator)
{
    ScaleSimulator scale(onAddress("127.0.0.2"));
    ASSERT_TRUE(scale.start());
    DriverFolder folder(1); // the root file names a wrong port
    const QByteArray config = "Port=" + QByteArray::number(scale.port()) + "\n";
    folder.writeConfig(config, QStringLiteral("cfg/driver/system.cfg"));
    for (const char* path : { ".\\cfg\\driver\\system.cfg", "./cfg/driver/system.cfg", "cfg\\driver/system.cfg" }) {
        SCOPED_TRACE(path);
        EXPECT_EQ(connectTo("127.0.0.2", path), PBUS_OK);
        EXPECT_EQ(PBusDisConnectEx("127.0.0.2"), PBUS_OK);
    }
}

TEST_F(DriverConnection, ConfigFileIsReadStrictly)
{
    ScaleSimulator scale(onAddress("127.0.0.2"));
    ASSERT_TRUE(scale.start());
    DriverFolder folder(scale.port());
    const QByteArray port = QByteArray::number(scale.port());
    struct Case {
        QByteArray text;
        int result;
    };
    const Case cases[] = {
        { "\xEF\xBB\xBF# driver\r\n[Driver]\r\n; comment\r\n\r\n  port = " + port + "  \r\nREPLYTIMEOUTMS=4000\r\nColour=blue\r\n", PBUS_OK },
        { "ConnectTimeoutMs=1500\nReplyTimeoutMs=1500\nPort=" + port, PBUS_OK },
        { "Port=" + port + "x\n", PBUS_E_CONFIG },
        { "Port=70000\n", PBUS_E_CONFIG },
        { "Port=-1\n", PBUS_E_CONFIG },
        { "Port=" + port + "\nReplyTimeoutMs=0\n", PBUS_E_CONFIG },
        { "Port=" + port + "\nConnectTimeoutMs=\n", PBUS_E_CONFIG },
        { "Port " + port + "\n", PBUS_E_CONFIG },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        folder.writeConfig(c.text);
        EXPECT_EQ(connectTo("127.0.0.2"), c.result);
        PBusDisConnectEx("127.0.0.2");
    }
}

TEST_F(DriverConnection, MissingConfigMeansTheDefaultPort)
{
    // The default port is fixed, so this needs an address of its own where it is free.
    ScaleSimulator scale(onAddress("127.0.0.213", 5500));
    if (!scale.start())
        GTEST_SKIP() << "port 5500 on 127.0.0.213 is taken";
    DriverFolder folder(1);
    EXPECT_EQ(connectTo("127.0.0.213", ".\\nowhere\\system.cfg"), PBUS_OK);
    EXPECT_EQ(connectTo("127.0.0.213", ""), PBUS_OK);
    EXPECT_EQ(connectTo("127.0.0.213", nullptr), PBUS_OK);
    EXPECT_EQ(PBusDisConnectEx("127.0.0.213"), PBUS_OK);
    // lfzk.dat is not needed either.
    EXPECT_EQ(PBusConnectEx(nullptr, ".\\nowhere.cfg", "127.0.0.213"), PBUS_OK);
}

} // namespace
