#pragma once

#include "app/MainWindow.h"
#include "screens/ActionGuard.h"
#include "screens/AppContext.h"
#include "store/Database.h"
#include "store/OperationLog.h"
#include "tests/support/FakeScaleDriver.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TestFolder.h"

#include <memory>

namespace mv::test {

// The program as the screens see it: a program folder with a fresh database and
// settings, scripted boxes, a recording scale driver and a main window.
class AppFixture {
public:
    explicit AppFixture(TestFolder::Contents contents = TestFolder::WithDatabaseAndSettings);
    ~AppFixture();

    // Builds the main window and runs its start-up steps (after files are in place).
    MainWindow& start();

    void addScale(const QString& ip, const QString& name, const QString& state = QStringLiteral("0"));
    void addProduct(int code, const QString& name, const QString& price = QStringLiteral("10.5"));

    TestFolder folder;
    ScriptedDialogs dialogs;
    FakeScaleDriver driver;
    std::unique_ptr<Database> db;
    std::unique_ptr<OperationLog> log;
    std::unique_ptr<ActionGuard> guard;
    std::unique_ptr<AppContext> ctx;
    std::unique_ptr<MainWindow> window;
};

} // namespace mv::test
