#include "app/Program.h"
#include "app/TerminationSignals.h"
#include "app/Unattended.h"

#include <QApplication>
#include <QStringList>
#include <QTextStream>

int main(int argc, char** argv)
{
    // Before any thread starts: see TerminationSignals.
    mv::TerminationSignals::blockTerminationSignals();

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    mv::ProgramOptions options;
    QString error;
    if (!mv::parseProgramOptions(arguments, options, error)) {
        QTextStream(stderr) << error << Qt::endl;
        return 2;
    }

    // Without a window the program needs no display.
    if (options.autoOnce || options.autoLoop) {
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("Morvanta"));
        return mv::runUnattended(options);
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Morvanta"));
    return mv::runWindowed(options);
}
