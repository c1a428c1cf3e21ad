#include "app/Unattended.h"

#include "app/AutoCycle.h"
#include "app/AutomaticRun.h"
#include "app/Program.h"
#include "app/StartUpCheck.h"
#include "app/TerminationSignals.h"
#include "scale/LibraryScaleDriver.h"
#include "scale/TargetScales.h"
#include "settings/GeneralSettings.h"
#include "settings/ProgramFolder.h"
#include "store/Database.h"
#include "store/OperationFeedback.h"
#include "store/OperationLog.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>
#include <QTimer>

#include <exception>
#include <stdexcept>

namespace mv {

namespace {

QString oneLine(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral(" ")).replace(QLatin1Char('\r'), QLatin1Char(' '));
}

// Prints what the window would show: log texts and status texts, each once. Between
// the rows of an import and the products of a loading it looks for a termination
// signal, so a stop request ends a run within one step instead of after all of it.
class ConsoleFeedback : public OperationFeedback {
public:
    explicit ConsoleFeedback(TerminationSignals& signals) : m_signals(signals) {}

    bool stopRequested() const { return m_stopSignal != 0; }
    int stopSignal() const { return m_stopSignal; }
    void requestStop(int signal) { m_stopSignal = signal; }

    void beginProgress(int) override { checkStop(); }
    void setProgress(int) override { checkStop(); }

    void print(const QString& text)
    {
        const QString line = oneLine(text);
        if (line == m_last)
            return;
        m_last = line;
        QTextStream(stdout) << line << Qt::endl;
    }
    // A status text repeats the log record written just before it; a new run may
    // rightly print the same text again.
    void newRun() { m_last.clear(); }
    void setStatus(const QString& text) override { print(text); }
    void notice(const QString& text) override { print(text); }

private:
    void checkStop()
    {
        if (const int signal = m_signals.takePending())
            m_stopSignal = signal;
        if (m_stopSignal)
            throw std::runtime_error(QStringLiteral("Program durduruluyor (sinyal %1); yükleme yarıda kaldı.")
                                         .arg(m_stopSignal)
                                         .toStdString());
    }

    TerminationSignals& m_signals;
    QString m_last;
    int m_stopSignal = 0;
};

// The cycle needs a view; without a window there is nothing to show.
class NoView : public AutoCycleView {
public:
    void showAutoPanel(bool) override {}
    void setLockedSetEnabled(bool) override {}
    void setCountdownText(const QString&) override {}
    void setDigitColour(Colour) override {}
    void setSwitchHint(const QString&) override {}
};

void printError(const QString& text)
{
    QTextStream(stderr) << "morvanta: " << oneLine(text) << Qt::endl;
}

} // namespace

int runUnattended(const ProgramOptions& options)
{
    TerminationSignals signals;
    ConsoleFeedback console(signals);
    QObject::connect(&signals, &TerminationSignals::terminationRequested, qApp, [&console](int signal) {
        console.requestStop(signal);
        QCoreApplication::quit();
    });

    const ProgramFolder folder(options.folder.isEmpty() ? QCoreApplication::applicationDirPath() : options.folder);
    QDir::setCurrent(folder.path());
    // Without its driver an unattended run could only report every scale as unreachable
    // and still end in success; a scheduler must see it fail instead.
    LibraryScaleDriver driver;
    if (!driver.load({folder.path(), QCoreApplication::applicationDirPath()})) {
        printError(QStringLiteral("Terazi sürücüsü yüklenemedi: %1").arg(driver.errorText()));
        return 1;
    }

    const QString missing = missingFileMessage(folder, options.database.isEmpty());
    if (!missing.isEmpty()) {
        printError(missing);
        return 1;
    }

    Database db(databaseOf(options, folder));
    OperationLog log(db);
    log.setListener([&console](const QString& text) { console.print(text); });

    GeneralSettings settings;
    QString templatePath;
    QStringList targets;
    try {
        log.write(QStringLiteral("Program Başlatıldı."));
        targets = activeScaleIps(db);
        const int products = db.run(QStringLiteral("SELECT COUNT(PLUKODU) FROM PLUTBL")).scalar().toInt();
        QTextStream(stdout) << "Terazi: " << targets.size() << "  Ürün: " << products << Qt::endl;
        settings = GeneralSettings::read(folder.settingsPath());
        templatePath = mv::templatePath(folder, settings.disVeriSablon);
        db.commit();
    } catch (const std::exception& e) {
        printError(QString::fromUtf8(e.what()));
        return 1;
    }

    AutomaticRun run(db, log, driver, folder, console);
    bool failed = false;
    auto runOnce = [&] {
        console.newRun();
        run.run(settings, templatePath, targets);
    };
    auto reportError = [&](const QString& text) {
        failed = true;
        printError(text);
        try {
            log.write(QStringLiteral("Otomatik yükleme hatası: ") + text);
            db.commit();
        } catch (const std::exception&) {
        }
    };

    if (options.autoOnce) {
        try {
            runOnce();
        } catch (const std::exception& e) {
            reportError(QString::fromUtf8(e.what()));
        }
    } else {
        NoView view;
        AutoCycle cycle(view, runOnce, reportError);
        const bool periodic = isYes(settings.periyodik);
        cycle.begin({true, periodic, settings.baslatSure, settings.periyodikSure});
        QTextStream(stdout) << "Otomatik yükleme: ilk çalışma " << cycle.countdownText() << " sonra"
                            << (periodic ? QStringLiteral(", sonra her ") + settings.periyodikSure : QString())
                            << Qt::endl;
        QTimer timer;
        timer.setInterval(1000);
        QObject::connect(&timer, &QTimer::timeout, qApp, [&] {
            failed = false;
            cycle.tick();
            if (console.stopRequested())
                QCoreApplication::exit(1);
            else if (cycle.state() == AutoCycle::State::Ended)
                QCoreApplication::exit(failed ? 1 : 0);
        });
        timer.start();
        const int status = QCoreApplication::exec();
        // A stop between runs is the ordinary end of --auto; a stop inside a run failed it.
        if (status != 0 && !(console.stopRequested() && !failed))
            failed = true;
    }

    try {
        db.close();
    } catch (const std::exception& e) {
        printError(QString::fromUtf8(e.what()));
        return 1;
    }
    return failed ? 1 : 0;
}

} // namespace mv
