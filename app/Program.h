#pragma once

#include <QString>
#include <QStringList>

namespace mv {

class ProgramFolder;

// How the program was asked to run.
struct ProgramOptions {
    QString folder;        // the program folder; empty: the folder of the program file
    QString database;      // another database than the folder's Data.FDB: a file or "host:path"
    bool autoOnce = false; // one automatic run without a window, then end
    bool autoLoop = false; // automatic mode without a window, until told to stop
};

// The database the program opens: --database when given, else Data.FDB of the folder.
QString databaseOf(const ProgramOptions& options, const ProgramFolder& folder);

// Reads the command line; returns false with a message in `error` when it is wrong.
bool parseProgramOptions(const QStringList& arguments, ProgramOptions& options, QString& error);

// Runs the program with its window; returns the exit status.
int runWindowed(const ProgramOptions& options);

} // namespace mv
