// The simulator program: started as a shop or a test would start it, loaded through the
// driver, its state file read back, stopped by SIGTERM.

#include "scale/driver/PBusDrv.h"
#include "settings/Cp1254.h"
#include "tests/driver/ClusterBuffer.h"
#include "tests/driver/DriverFolder.h"
#include "tests/support/TestFolder.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString simulatorProgram()
{
    return mv::test::binaryFolder() + QStringLiteral("/morvanta-scale-sim");
}

QJsonObject readState(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(f.readAll()).object();
}

TEST(SimulatorProgram, KeepsItsStateFileAndStopsOnSigterm)
{
    QTemporaryDir dir;
    const QString state = dir.filePath(QStringLiteral("scale.json"));
    QProcess sim;
    sim.start(simulatorProgram(), { QStringLiteral("--listen"), QStringLiteral("127.0.0.6"), QStringLiteral("--port"),
                                    QStringLiteral("0"), QStringLiteral("--state"), state });
    ASSERT_TRUE(sim.waitForStarted());
    QByteArray out;
    while (!out.contains('\n') && sim.waitForReadyRead(10000))
        out += sim.readAllStandardOutput();
    const auto match = QRegularExpression(QStringLiteral("listening on 127\\.0\\.0\\.6:(\\d+)")).match(QString::fromUtf8(out));
    ASSERT_TRUE(match.hasMatch()) << out.toStdString();
    const auto port = quint16(match.captured(1).toUInt());

    // The empty scale is on file from the start.
    QJsonObject json = readState(state);
    EXPECT_EQ(json.value(QStringLiteral("plus")).toArray().size(), 0);
    EXPECT_EQ(json.value(QStringLiteral("clears")).toInt(-1), 0);

    {
        mv::test::DriverFolder folder(port);
        mv::test::TestPlu p;
        p.code = 501;
        p.name = mv::toCp1254(QStringLiteral("Şeftali Reçeli"));
        p.barcode = "2850100";
        p.barcodeType = 1;
        p.price = 4575;
        p.type = 10;
        p.department = 28;
        p.tare = 0.25;
        p.shelfLife = 90;
        p.message = 4;
        p.label = 12;
        std::int32_t keys[84] = {};
        keys[0] = 501;
        ASSERT_EQ(PBusConnectEx(".\\lfzk.dat", ".\\system.cfg", "127.0.0.6"), PBUS_OK);
        ASSERT_EQ(PBusTransferPLUCluster(mv::test::clusterOf(p).constData()), PBUS_OK);
        ASSERT_EQ(PBusTransferHotkey(keys, 1), PBUS_OK);
        const QByteArray text = mv::toCp1254(QStringLiteral("Buzdolabında saklayın"));
        ASSERT_EQ(PBusTransferMessage(4, text.constData(), std::int32_t(text.size())), PBUS_OK);
        ASSERT_EQ(PBusDisConnectEx("127.0.0.6"), PBUS_OK);
    }

    json = readState(state);
    const QJsonArray plus = json.value(QStringLiteral("plus")).toArray();
    ASSERT_EQ(plus.size(), 1);
    const QJsonObject plu = plus.at(0).toObject();
    EXPECT_EQ(plu.value(QStringLiteral("code")).toInt(), 501);
    EXPECT_EQ(plu.value(QStringLiteral("name")).toString(), QStringLiteral("Şeftali Reçeli"));
    EXPECT_EQ(plu.value(QStringLiteral("barcode")).toString(), QStringLiteral("2850100"));
    EXPECT_EQ(plu.value(QStringLiteral("barcode_type")).toInt(), 1);
    EXPECT_EQ(plu.value(QStringLiteral("price")).toInt(), 4575);
    EXPECT_EQ(plu.value(QStringLiteral("type")).toInt(), 10);
    EXPECT_EQ(plu.value(QStringLiteral("department")).toInt(), 28);
    EXPECT_DOUBLE_EQ(plu.value(QStringLiteral("tare")).toDouble(), 0.25);
    EXPECT_EQ(plu.value(QStringLiteral("shelf_life")).toInt(), 90);
    EXPECT_EQ(plu.value(QStringLiteral("message")).toInt(), 4);
    EXPECT_EQ(plu.value(QStringLiteral("label")).toInt(), 12);
    const QJsonObject hotkeys = json.value(QStringLiteral("hotkeys")).toObject();
    ASSERT_EQ(hotkeys.value(QStringLiteral("1")).toArray().size(), 84);
    ASSERT_EQ(hotkeys.value(QStringLiteral("2")).toArray().size(), 84);
    EXPECT_EQ(hotkeys.value(QStringLiteral("1")).toArray().at(0).toInt(), 0);
    EXPECT_EQ(hotkeys.value(QStringLiteral("2")).toArray().at(0).toInt(), 501);
    const QJsonArray messages = json.value(QStringLiteral("messages")).toArray();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages.at(0).toObject().value(QStringLiteral("number")).toInt(), 4);
    EXPECT_EQ(messages.at(0).toObject().value(QStringLiteral("text")).toString(), QStringLiteral("Buzdolabında saklayın"));

    {
        mv::test::DriverFolder folder(port);
        ASSERT_EQ(PBusConnectEx(".\\lfzk.dat", ".\\system.cfg", "127.0.0.6"), PBUS_OK);
        ASSERT_EQ(PBusClearPLUData("127.0.0.6"), PBUS_OK);
        PBusDisConnectEx("127.0.0.6");
    }
    json = readState(state);
    EXPECT_EQ(json.value(QStringLiteral("plus")).toArray().size(), 0);
    EXPECT_EQ(json.value(QStringLiteral("hotkeys")).toObject().value(QStringLiteral("2")).toArray().at(0).toInt(), 0);
    EXPECT_EQ(json.value(QStringLiteral("messages")).toArray().size(), 1);
    EXPECT_EQ(json.value(QStringLiteral("clears")).toInt(), 1);

    sim.terminate();
    ASSERT_TRUE(sim.waitForFinished(10000));
    EXPECT_EQ(sim.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(sim.exitCode(), 0);
}

TEST(SimulatorProgram, FaultOptionsReachTheScale)
{
    QProcess sim;
    sim.start(simulatorProgram(), { QStringLiteral("--listen"), QStringLiteral("127.0.0.6"), QStringLiteral("--port"),
                                    QStringLiteral("0"), QStringLiteral("--refuse-cluster-after"), QStringLiteral("0") });
    ASSERT_TRUE(sim.waitForStarted());
    QByteArray out;
    while (!out.contains('\n') && sim.waitForReadyRead(10000))
        out += sim.readAllStandardOutput();
    const auto match = QRegularExpression(QStringLiteral(":(\\d+)")).match(QString::fromUtf8(out));
    ASSERT_TRUE(match.hasMatch()) << out.toStdString();
    {
        mv::test::DriverFolder folder(quint16(match.captured(1).toUInt()));
        ASSERT_EQ(PBusConnectEx(".\\lfzk.dat", ".\\system.cfg", "127.0.0.6"), PBUS_OK);
        mv::test::TestPlu p;
        p.code = 1;
        EXPECT_EQ(PBusTransferPLUCluster(mv::test::clusterOf(p).constData()), PBUS_E_SCALE_REFUSED);
        PBusDisConnectEx("127.0.0.6");
    }
    sim.kill();
    sim.waitForFinished();
}

TEST(SimulatorProgram, RefusesBadArguments)
{
    struct Case {
        QStringList args;
        int exitCode;
    };
    const Case cases[] = {
        { { QStringLiteral("--listen"), QStringLiteral("10.0.0.1"), QStringLiteral("--port"), QStringLiteral("0") }, 1 },
        { { QStringLiteral("--port"), QStringLiteral("70000") }, 2 },
        { { QStringLiteral("--refuse"), QStringLiteral("sometimes") }, 2 },
        { { QStringLiteral("--colour"), QStringLiteral("red") }, 2 },
        { { QStringLiteral("--port") }, 2 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(QLatin1Char(' ')).toStdString());
        QProcess sim;
        sim.start(simulatorProgram(), c.args);
        ASSERT_TRUE(sim.waitForFinished(10000));
        EXPECT_EQ(sim.exitCode(), c.exitCode);
    }
}

} // namespace
