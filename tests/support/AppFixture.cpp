#include "tests/support/AppFixture.h"

namespace mv::test {

AppFixture::AppFixture(TestFolder::Contents contents) : folder(contents)
{
    db = std::make_unique<Database>(folder.databasePath());
    log = std::make_unique<OperationLog>(*db);
    guard = std::make_unique<ActionGuard>(dialogs);
    ctx = std::make_unique<AppContext>(AppContext{folder.folder(), *db, *log, guard->boxes(), *guard, driver});
}

AppFixture::~AppFixture()
{
    window.reset();
    db->close();
}

MainWindow& AppFixture::start()
{
    window = std::make_unique<MainWindow>(*ctx);
    ctx->shell = window.get();
    window->startUp();
    return *window;
}

void AppFixture::addScale(const QString& ip, const QString& name, const QString& state)
{
    const QString id = db->executeProcedure(QStringLiteral("P_TERAZI"));
    db->run(QStringLiteral("INSERT INTO TERAZITBL VALUES(?,?,?,?,?)"), {id, ip, name, state, QString()});
    for (int table = 1; table <= 2; ++table)
        for (int key = 1; key <= 112; ++key)
            db->run(QStringLiteral("INSERT INTO HKEYTBL VALUES(?,?,?,?)"), {id, table, key, 0});
    db->commit();
}

void AppFixture::addProduct(int code, const QString& name, const QString& price)
{
    db->run(QStringLiteral("INSERT INTO PLUTBL VALUES(?,?,?,?,?,?,?,?,?,?,?,?)"),
            {code, 2700000 + code, 27, name, price.toDouble(), 4, 7, 0, 5, 0, 1, QString()});
    db->commit();
}

} // namespace mv::test
