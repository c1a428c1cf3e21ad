#include "app/Program.h"

#include "app/AutoPanel.h"
#include "app/AutomaticRun.h"
#include "app/MainWindow.h"
#include "app/StartUpCheck.h"
#include "app/TerminationSignals.h"
#include "scale/LibraryScaleDriver.h"
#include "screens/ActionGuard.h"
#include "screens/AppContext.h"
#include "screens/QtDialogs.h"
#include "screens/WidgetFeedback.h"
#include "settings/ProgramFolder.h"
#include "store/Database.h"
#include "store/OperationLog.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QTextStream>
#include <QTimer>

namespace mv {

bool parseProgramOptions(const QStringList& arguments, ProgramOptions& options, QString& error)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Morvanta: etiketli terazi yönetimi."));
    parser.addHelpOption();
    const QCommandLineOption dir(QStringLiteral("dir"), QStringLiteral("Program klasörü (Data.FDB ve Ini klasörü)."),
                                 QStringLiteral("DIR"));
    const QCommandLineOption once(QStringLiteral("auto-once"),
                                  QStringLiteral("Pencere açmadan bir kez dış veri al ve tüm terazileri yükle."));
    const QCommandLineOption loop(QStringLiteral("auto"),
                                  QStringLiteral("Pencere açmadan otomatik yükleme ayarlarına göre çalış."));
    const QCommandLineOption database(
        QStringLiteral("database"),
        QStringLiteral("Program klasöründeki Data.FDB yerine açılacak veritabanı: dosya yolu ya da sunucu:yol."),
        QStringLiteral("DB"));
    parser.addOption(dir);
    parser.addOption(database);
    parser.addOption(once);
    parser.addOption(loop);
    if (!parser.parse(arguments)) {
        error = parser.errorText();
        return false;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        error = parser.helpText();
        return false;
    }
    if (!parser.positionalArguments().isEmpty()) {
        error = QStringLiteral("Beklenmeyen argüman: %1").arg(parser.positionalArguments().join(QLatin1Char(' ')));
        return false;
    }
    options.folder = parser.value(dir);
    options.database = parser.value(database);
    options.autoOnce = parser.isSet(once);
    options.autoLoop = parser.isSet(loop);
    if (options.autoOnce && options.autoLoop) {
        error = QStringLiteral("--auto-once ve --auto birlikte kullanılamaz.");
        return false;
    }
    return true;
}

QString databaseOf(const ProgramOptions& options, const ProgramFolder& folder)
{
    return options.database.isEmpty() ? folder.databasePath() : options.database;
}

int runWindowed(const ProgramOptions& options)
{
    const ProgramFolder folder(options.folder.isEmpty() ? QCoreApplication::applicationDirPath() : options.folder);
    QtDialogs dialogs;
    // SIGTERM and friends end the event loop; the connection then commits and closes in order.
    TerminationSignals signals;
    QObject::connect(&signals, &TerminationSignals::terminationRequested, qApp, [] { QApplication::quit(); });

    // The scale driver finds its two files in the current folder.
    QDir::setCurrent(folder.path());
    LibraryScaleDriver driver;
    driver.load({folder.path(), QCoreApplication::applicationDirPath()});

    const QString missing = missingFileMessage(folder, options.database.isEmpty());
    if (!missing.isEmpty()) {
        dialogs.warning(nullptr, missing);
        return 1;
    }

    Database db(databaseOf(options, folder));
    OperationLog log(db);
    ActionGuard guard(dialogs);
    AppContext ctx{folder, db, log, guard.boxes(), guard, driver};

    MainWindow window(ctx);
    ctx.shell = &window;

    WidgetFeedback feedback(dialogs, &window, &window, window.autoPanel()->gauge());
    AutomaticRun automaticRun(db, log, driver, folder, feedback);
    window.setAutomaticRun([&] {
        automaticRun.run(ctx.settings, ctx.templatePath, window.targetScales());
    });
    window.startUp();


    window.show();
    if (!driver.isLoaded())
        QTimer::singleShot(0, &window, [&] {
            dialogs.notice(&window,
                           QStringLiteral("Terazi sürücüsü (libPBusDrv.so) yüklenemedi:\r%1\rTerazilere bağlanılamayacaktır.")
                               .arg(driver.errorText()),
                           Dialogs::Icon::Stop);
        });
    const int status = QApplication::exec();
    try {
        db.close();
    } catch (const std::exception& e) {
        QTextStream(stderr) << "morvanta: " << QString::fromUtf8(e.what()) << Qt::endl;
        return status ? status : 1;
    }
    return status;
}

} // namespace mv
