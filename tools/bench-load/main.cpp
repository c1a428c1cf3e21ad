// Loading speed: products sent into one simulated scale over loopback by the product
// loader through the real driver, against the floor of bare request/answer round trips
// on the same socket (the same cluster frame sent again and again, so the floor holds
// the transport and the scale's own work but none of the loader's), and the peak memory
// of the process.
//
//   morvanta-bench-load [--products N] [--rounds R]

#include "scale/LibraryScaleDriver.h"
#include "scale/ProductLoader.h"
#include "scale/ProductRow.h"
#include "store/Database.h"
#include "store/OperationFeedback.h"
#include "store/OperationLog.h"
#include "tools/setup/DatabaseCreator.h"
#include "tools/scale-sim/ScaleSimulator.h"
#include "tools/scale-sim/SystemCfg.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>

using namespace mv;

namespace {

class NullFeedback : public OperationFeedback {};

QList<ProductRow> makeProducts(int n)
{
    QList<ProductRow> rows;
    rows.reserve(n);
    for (int i = 1; i <= n; ++i) {
        ProductRow r;
        r.plukodu = QString::number(i);
        r.barkodu = QString::number(2700000 + i);
        r.pluadi = QStringLiteral("ÜRÜN %1 ŞİŞ KÖFTE").arg(i);
        r.fiyat = QStringLiteral("%1,%2").arg(10 + i % 900).arg(i % 100, 2, 10, QLatin1Char('0'));
        r.urtip = i % 3 ? QStringLiteral("4") : QStringLiteral("10");
        r.bartip = QStringLiteral("7");
        r.dept = QStringLiteral("27");
        r.dara = QStringLiteral("0");
        r.rafomru = QStringLiteral("5");
        r.mesaj1 = QStringLiteral("0");
        r.etiketno = QString::number(1 + i % 10);
        r.calculate();
        rows << r;
    }
    return rows;
}

long peakKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    int products = 10000;
    int rounds = 3;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == QLatin1String("--products"))
            products = args[i + 1].toInt();
        if (args[i] == QLatin1String("--rounds"))
            rounds = std::max(1, args[i + 1].toInt());
    }

    sim::SimulatorOptions options;
    options.address = QStringLiteral("127.0.0.2");
    sim::ScaleSimulator scale(options);
    QString error;
    if (!scale.start(&error)) {
        std::fprintf(stderr, "simulated scale: %s\n", qPrintable(error));
        return 1;
    }
    QTemporaryDir dir;
    sim::writeSystemCfg(dir.filePath(QStringLiteral("system.cfg")), scale.port());
    QDir::setCurrent(dir.path());

    LibraryScaleDriver driver;
    if (!driver.load({QCoreApplication::applicationDirPath()})) {
        std::fprintf(stderr, "driver: %s\n", qPrintable(driver.errorText()));
        return 1;
    }

    const QList<ProductRow> rows = makeProducts(products);
    NullFeedback feedback;
    createCatalogueDatabase(dir.filePath(QStringLiteral("Data.FDB")));
    Database db(dir.filePath(QStringLiteral("Data.FDB")));
    OperationLog log(db);
    ProductLoader loader(driver, log, feedback, QLatin1Char(','));
    const QByteArray ip = options.address.toLatin1();

    QList<double> loadRates;
    QList<double> floorRates;
    for (int round = 0; round < rounds; ++round) {
        // Loading: what the program does for one scale.
        QElapsedTimer t;
        t.start();
        if (loader.loadScale(options.address, rows, ProductLoader::Mode::Automatic) != ProductLoader::Outcome::Loaded) {
            std::fprintf(stderr, "loading failed\n");
            return 1;
        }
        loadRates << products * 1000.0 / std::max<qint64>(1, t.elapsed());

        // Floor: the same number of bare round trips on one connection.
        PluRecord record;
        PluCluster cluster;
        record.assign(rows.first(), QLatin1Char(','));
        const QByteArray frame = cluster.build(record);
        t.restart();
        if (driver.connect(ScaleDriver::lfzkPath(), ScaleDriver::systemCfgPath(), ip) < 0)
            return 1;
        for (int i = 0; i < products; ++i)
            driver.transferPluCluster(frame);
        driver.disconnect(ip);
        floorRates << products * 1000.0 / std::max<qint64>(1, t.elapsed());
    }

    const double load = median(loadRates);
    const double floor = median(floorRates);
    QTextStream out(stdout);
    out << "products into one simulated scale: " << products << " (median of " << rounds << " rounds)\n"
        << "loading:     " << qRound(load) << " products/s\n"
        << "floor:       " << qRound(floor) << " round trips/s\n"
        << "floor/load:  " << QString::number(floor / load, 'f', 2) << " (target <= 1.25)\n"
        << "peak memory: " << peakKiB() / 1024 << " MiB\n"
        << "scale holds: " << scale.memory().plus.size() << " products\n";
    return 0;
}
