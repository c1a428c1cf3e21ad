#include "app/Program.h"
#include "app/TerminationSignals.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    // Before any thread starts: see TerminationSignals.
    mv::TerminationSignals::blockTerminationSignals();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Morvanta"));

    mv::ProgramOptions options;
    QString error;
    if (!mv::parseProgramOptions(QApplication::arguments(), options, error)) {
        QTextStream(stderr) << error << Qt::endl;
        return 2;
    }
    return mv::runWindowed(options);
}
