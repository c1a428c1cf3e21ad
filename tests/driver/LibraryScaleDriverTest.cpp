// Loading the driver library at run time and calling it through the ScaleDriver interface.

#include "scale/LibraryScaleDriver.h"
#include "scale/driver/PBusDrv.h"
#include "tests/driver/ClusterBuffer.h"
#include "tests/driver/DriverFolder.h"
#include "tests/support/TestFolder.h"
#include "tools/scale-sim/ScaleSimulator.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using mv::LibraryScaleDriver;

namespace {

TEST(LibraryScaleDriver, WithoutLibraryEveryCallFails)
{
    QTemporaryDir empty;
    LibraryScaleDriver driver;
    EXPECT_FALSE(driver.load({}));
    EXPECT_FALSE(driver.load({ empty.path(), empty.path() + QStringLiteral("/missing") }));
    EXPECT_FALSE(driver.isLoaded());
    EXPECT_FALSE(driver.errorText().isEmpty());

    const LibraryScaleDriver::HotkeyBlock block {};
    EXPECT_LT(driver.connect(LibraryScaleDriver::lfzkPath(), LibraryScaleDriver::systemCfgPath(), "127.0.0.2"), 0);
    EXPECT_LT(driver.transferPluCluster(QByteArray(400, '\0')), 0);
    EXPECT_LT(driver.transferHotkey(block, 0), 0);
    EXPECT_LT(driver.transferMessage(1, "abc"), 0);
    EXPECT_LT(driver.clearPluData("127.0.0.2"), 0);
    EXPECT_LT(driver.disconnect("127.0.0.2"), 0);
}

TEST(LibraryScaleDriver, SkipsFoldersWithoutAUsableLibrary)
{
    mv::test::TestFolder broken(mv::test::TestFolder::Empty);
    broken.writeFile(LibraryScaleDriver::libraryFileName(), "not a shared library");
    QTemporaryDir empty;

    LibraryScaleDriver driver;
    ASSERT_TRUE(driver.load({ empty.path(), broken.path(), mv::test::binaryFolder() })) << driver.errorText().toStdString();
    EXPECT_TRUE(driver.isLoaded());
    EXPECT_TRUE(driver.errorText().isEmpty());
    EXPECT_TRUE(driver.loadedPath().startsWith(mv::test::binaryFolder()));
}

TEST(LibraryScaleDriver, LoadsAScaleThroughTheInterface)
{
    mv::sim::SimulatorOptions o;
    o.address = QStringLiteral("127.0.0.7");
    mv::sim::ScaleSimulator scale(o);
    ASSERT_TRUE(scale.start());
    mv::test::DriverFolder folder(scale.port());

    LibraryScaleDriver driver;
    ASSERT_TRUE(driver.load({ mv::test::binaryFolder() }));
    mv::ScaleDriver& d = driver;
    mv::test::TestPlu p;
    p.code = 42;
    p.name = "Ayran";
    LibraryScaleDriver::HotkeyBlock keys {};
    keys[3] = 42;

    ASSERT_EQ(d.connect(mv::ScaleDriver::lfzkPath(), mv::ScaleDriver::systemCfgPath(), "127.0.0.7"), PBUS_OK);
    EXPECT_EQ(d.transferPluCluster(mv::test::clusterOf(p)), PBUS_OK);
    EXPECT_EQ(d.transferHotkey(keys, 1), PBUS_OK);
    EXPECT_EQ(d.transferMessage(3, QByteArray("Taze")), PBUS_OK);
    const auto memory = scale.memory();
    EXPECT_EQ(memory.plus.at(42).name, QStringLiteral("Ayran"));
    EXPECT_EQ(memory.hotkeys[1][3], 42);
    EXPECT_EQ(memory.messages.at(3), QStringLiteral("Taze"));

    // Buffers the driver could read past the end of are stopped before the call.
    QByteArray offsetOutside = mv::test::clusterOf(p);
    mv::test::setTextOffset(offsetOutside, 2, 8, std::uint32_t(offsetOutside.size()));
    EXPECT_EQ(d.transferPluCluster(offsetOutside), PBUS_E_BAD_ARGUMENT);
    EXPECT_EQ(d.transferPluCluster(QByteArray(271, '\0')), PBUS_E_BAD_ARGUMENT);
    EXPECT_EQ(d.transferPluCluster(QByteArray()), PBUS_E_BAD_ARGUMENT);

    EXPECT_EQ(d.clearPluData("127.0.0.7"), PBUS_OK);
    EXPECT_EQ(d.disconnect("127.0.0.7"), PBUS_OK);
    EXPECT_EQ(scale.receivedFrames(), (std::vector<std::uint8_t> { 0x01, 0x02, 0x03, 0x04, 0x05, 0x06 }));
}

} // namespace
