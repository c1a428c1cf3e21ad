#pragma once

#include "settings/GeneralSettings.h"
#include "settings/ProgramFolder.h"

namespace mv {

class ActionGuard;
class Database;
class Dialogs;
class MainShell;
class OperationLog;
class ScaleDriver;

// The state the main window owns for the whole run and shares with every window.
struct AppContext {
    ProgramFolder folder;
    Database& db;
    OperationLog& log;
    Dialogs& dialogs;
    ActionGuard& guard;
    ScaleDriver& driver;
    MainShell* shell = nullptr;

    // The program-wide settings and the path of the template in force.
    GeneralSettings settings;
    QString templatePath;

    // Re-reads the values a screen refreshes when it opens: the template code and path,
    // TeraziSecim, DisVerideEskiSil, Kusurat and the five product standards.
    void refreshSettings();
    // Re-reads the whole file, as start-up does.
    void readAllSettings();
};

} // namespace mv
