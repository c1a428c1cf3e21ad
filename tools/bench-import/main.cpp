// Speed and memory of the external data import.
//
// For 10 000 and 100 000 generated lines it imports a fixed-position and a
// semicolon-separated file into a fresh database, and measures the floor: the same
// number of bare single-row inserts, each followed by its commit, through the same
// Database class. Every measurement runs in a process of its own, so that the peak
// memory (ru_maxrss) belongs to that measurement alone.
//
//   morvanta-bench-import                 all measurements, as a table
//   morvanta-bench-import KIND LINES      one measurement (KIND: floor, fixed, separated)

#include "import/ExternalImport.h"
#include "settings/Cp1254.h"
#include "settings/ExtTemplate.h"
#include "settings/GeneralSettings.h"
#include "settings/ProgramFolder.h"
#include "store/Database.h"
#include "store/OperationFeedback.h"
#include "store/OperationLog.h"
#include "tools/setup/DatabaseCreator.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <exception>

using namespace mv;

namespace {

const QStringList kNames = {
    QStringLiteral("DANA KIYMA"), QStringLiteral("KUZU PİRZOLA"), QStringLiteral("TAVUK GÖĞSÜ"),
    QStringLiteral("BEYAZ PEYNİR"), QStringLiteral("ŞEKER"), QStringLiteral("ÇİĞ KÖFTE"),
};

QString barcode(int i)
{
    return QString::number(7000 + i % 3000); // with ONEK02 "2": 27xxx, 28xxx, 29xxx
}

QString kurus(int i)
{
    return QString::number(100 + (i * 37) % 99900);
}

QByteArray fixedLines(int count)
{
    QString text;
    text.reserve(count * 41);
    for (int i = 1; i <= count; ++i) {
        text += QStringLiteral("%1%2%3%4\r\n")
                    .arg(i, -6)
                    .arg(barcode(i), -5)
                    .arg(kNames.at(i % kNames.size()), -20)
                    .arg(kurus(i), 8);
    }
    return toCp1254(text);
}

QByteArray separatedLines(int count)
{
    QString text;
    text.reserve(count * 40);
    for (int i = 1; i <= count; ++i)
        text += QStringLiteral("%1;%2;%3;%4;7\r\n").arg(i).arg(kNames.at(i % kNames.size()), barcode(i), kurus(i));
    return text.toUtf8();
}

ExtTemplate benchTemplate(bool separated, const QString& dataFile)
{
    ExtTemplate t;
    t.seperator = separated ? QStringLiteral("1") : QStringLiteral("0");
    t.icerik = separated ? QStringLiteral("1") : QStringLiteral("0");
    t.dosya = dataFile;
    const char* fields[] = {"1", "3", "2", "4", "5"};
    const char* starts[] = {"1", "7", "12", "32", ""};
    const char* lengths[] = {"6", "5", "20", "8", ""};
    for (std::size_t i = 0; i < 5; ++i) {
        t.aln[i] = separated ? QLatin1String(fields[i]) : QLatin1String("");
        t.vrm[i] = separated ? QStringLiteral("E") : QStringLiteral("H");
        t.bsl[i] = separated ? QString() : QLatin1String(starts[i]);
        t.adt[i] = separated ? QString() : QLatin1String(lengths[i]);
    }
    t.onek02 = QStringLiteral("2");
    t.kurus = QStringLiteral("2");
    t.sktvrm = QStringLiteral("H");
    t.stdskt = QStringLiteral("5");
    t.bastan = t.sondan = QStringLiteral("0");
    t.urtipCount = 3;
    t.utOnEk = {QStringLiteral("27"), QStringLiteral("28"), QStringLiteral("29")};
    t.utTipi = {QStringLiteral("Tartılı"), QStringLiteral("Adetli"), QStringLiteral("Tartılı")};
    t.utBarNo = {QStringLiteral("7"), QStringLiteral("9"), QStringLiteral("7")};
    t.utEtNo = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")};
    t.utEtValue = {QStringLiteral("A0"), QStringLiteral("A1"), QStringLiteral("B0")};
    return t;
}

long peakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

// One measurement; prints "KIND LINES SECONDS PEAK_KB".
int measure(const QString& kind, int lines)
{
    QTemporaryDir dir;
    const ProgramFolder folder(dir.path());
    createCatalogueDatabase(folder.databasePath());
    QDir(dir.path()).mkpath(QStringLiteral("Ini"));

    GeneralSettings settings;
    settings.disVerideEskiSil = QStringLiteral("H");
    settings.dara = QStringLiteral("0");
    settings.mesaj1 = QStringLiteral("0");
    settings.rafOmru = QStringLiteral("10");

    Database db(folder.databasePath());
    OperationLog log(db);
    OperationFeedback silent;
    QElapsedTimer timer;
    int stored = 0;

    if (kind == QLatin1String("floor")) {
        const QString insert = QStringLiteral("INSERT INTO PLUTBL VALUES(?,?,?,?,?,?,?,?,?,?,?,?)");
        db.run(QStringLiteral("SELECT COUNT(*) FROM PLUTBL")); // the connection is open before timing
        timer.start();
        for (int i = 1; i <= lines; ++i) {
            db.run(insert, {i, 27000 + i % 1000, 27, kNames.at(i % kNames.size()), 12.5, 4, 7, 0.0, 10, 0, 1,
                            QStringLiteral("")});
            db.commit();
        }
        stored = lines;
    } else {
        const bool separated = kind == QLatin1String("separated");
        const QString dataPath = dir.path() + QStringLiteral("/veri.txt");
        writeFile(dataPath, separated ? separatedLines(lines) : fixedLines(lines));
        const QString tplPath = templatePath(folder, QStringLiteral("000"));
        if (!benchTemplate(separated, dataPath).write(tplPath))
            throw std::runtime_error("cannot write the template");
        db.run(QStringLiteral("SELECT COUNT(*) FROM PLUTBL"));
        ImportStores stores;
        timer.start();
        const ExternalImport::Result result =
            ExternalImport(db, log, folder, silent).runAutomatic(stores, settings, tplPath);
        if (result.errorCount != 0)
            throw std::runtime_error("the generated file gave error lines");
        stored = db.run(QStringLiteral("SELECT COUNT(*) FROM PLUTBL")).scalar().toInt();
    }
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    if (stored != lines)
        throw std::runtime_error("not every line was stored");
    std::printf("%s %d %.3f %ld\n", qPrintable(kind), lines, seconds, peakKilobytes());
    return 0;
}

struct Figure {
    double seconds = 0;
    long peakKb = 0;
};

Figure runChild(const QString& kind, int lines)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {kind, QString::number(lines)});
    if (!child.waitForFinished(-1) || child.exitCode() != 0)
        throw std::runtime_error("measurement " + kind.toStdString() + " failed");
    const QStringList parts = QString::fromLatin1(child.readAllStandardOutput()).trimmed().split(QLatin1Char(' '));
    if (parts.size() != 4)
        throw std::runtime_error("unexpected output of " + kind.toStdString());
    return {parts.at(2).toDouble(), parts.at(3).toLong()};
}

int table(int rounds, const QList<int>& sizes)
{
    const QStringList kinds = {QStringLiteral("floor"), QStringLiteral("fixed"), QStringLiteral("separated")};
    std::printf("best of %d rounds, databases in %s\n", rounds, qPrintable(QDir::tempPath()));
    std::printf("%-10s %8s %10s %12s %12s %7s %10s\n", "file", "lines", "seconds", "rows/s", "floor rows/s",
                "ratio", "peak MB");
    bool met = true;
    for (const int lines : sizes) {
        QList<Figure> best(kinds.size());
        for (int round = 0; round < rounds; ++round) {
            for (int k = 0; k < kinds.size(); ++k) {
                const Figure f = runChild(kinds.at(k), lines);
                std::fprintf(stderr, "  round %d: %s %d lines %.2f s\n", round + 1, qPrintable(kinds.at(k)), lines,
                             f.seconds);
                if (round == 0 || f.seconds < best[k].seconds)
                    best[k].seconds = f.seconds;
                best[k].peakKb = std::max(best[k].peakKb, f.peakKb);
            }
        }
        const Figure& floor = best.at(0);
        for (int k = 1; k < kinds.size(); ++k) {
            const Figure& f = best.at(k);
            const double ratio = f.seconds / floor.seconds;
            std::printf("%-10s %8d %10.2f %12.0f %12.0f %7.3f %10.1f\n", qPrintable(kinds.at(k)), lines, f.seconds,
                        lines / f.seconds, lines / floor.seconds, ratio, f.peakKb / 1024.0);
            met = met && ratio <= 1.25 && (lines < 100000 || f.peakKb < 200 * 1024);
        }
        std::printf("%-10s %8d %10.2f %12.0f %12s %7s %10.1f\n", "floor", lines, floor.seconds,
                    lines / floor.seconds, "", "", floor.peakKb / 1024.0);
        std::fflush(stdout);
    }
    std::printf("targets (within 1.25x of the floor, under 200 MB at 100 000 lines): %s\n", met ? "met" : "NOT met");
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    try {
        const QStringList args = app.arguments().mid(1);
        if (args.size() == 2 && !args.at(0).at(0).isDigit())
            return measure(args.at(0), args.at(1).toInt());
        const int rounds = args.isEmpty() ? 3 : std::max(1, args.at(0).toInt());
        QList<int> sizes;
        for (const QString& a : args.mid(1))
            sizes << a.toInt();
        if (sizes.isEmpty())
            sizes = {10000, 100000};
        return table(rounds, sizes);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "morvanta-bench-import: %s\n", e.what());
        return 1;
    }
}
