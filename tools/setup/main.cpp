#include "tools/setup/DemoCatalogue.h"
#include "tools/setup/ProgramFolderSetup.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

#include <exception>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("morvanta-setup"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Morvanta program klasörü kurulumu: Data.FDB ve Ini/GenelAyar.Ini."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("DIR"), QStringLiteral("Program klasörü"));
    QCommandLineOption demo(QStringLiteral("demo"), QStringLiteral("Örnek ürün, terazi ve mesaj ekle."));
    QCommandLineOption scales(QStringLiteral("scales"), QStringLiteral("Örnek terazilerin IP adresleri (virgülle)."),
                              QStringLiteral("IPS"), QStringLiteral("127.0.0.2,127.0.0.3,127.0.0.4"));
    QCommandLineOption reports(QStringLiteral("reports"), QStringLiteral("Rapor şablonlarının klasörü."),
                               QStringLiteral("DIR"));
    parser.addOption(demo);
    parser.addOption(scales);
    parser.addOption(reports);
    parser.process(app);

    QTextStream out(stdout);
    QTextStream err(stderr);
    if (parser.positionalArguments().size() != 1) {
        err << parser.helpText();
        return 2;
    }
    const QString folder = QDir(parser.positionalArguments().first()).absolutePath();
    try {
        QString reportsDir = parser.value(reports);
        if (reportsDir.isEmpty())
            reportsDir = QCoreApplication::applicationDirPath() + QStringLiteral("/reports");
        for (const QString& line : mv::setUpProgramFolder(folder, reportsDir))
            out << line << Qt::endl;
        if (parser.isSet(demo))
            for (const QString& line : mv::addDemoCatalogue(folder, parser.value(scales).split(QLatin1Char(','), Qt::SkipEmptyParts)))
                out << line << Qt::endl;
    } catch (const std::exception& e) {
        err << "morvanta-setup: " << QString::fromUtf8(e.what()) << Qt::endl;
        return 1;
    }
    return 0;
}
