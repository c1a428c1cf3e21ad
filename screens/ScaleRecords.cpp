#include "screens/ScaleRecords.h"

#include "scale/TargetScales.h"
#include "store/Database.h"
#include "store/DbError.h"

namespace mv {

QList<ScaleRow> ScaleRecords::all()
{
    const Rows rows = m_db.run(QStringLiteral("SELECT * FROM TERAZITBL"));
    QList<ScaleRow> out;
    out.reserve(rows.count());
    for (int r = 0; r < rows.count(); ++r) {
        ScaleRow row;
        row.id = rows.value(r, QStringLiteral("ID")).toInt();
        row.ip = rows.text(r, QStringLiteral("TRZIP"));
        row.name = rows.text(r, QStringLiteral("TRZADI"));
        row.state = rows.text(r, QStringLiteral("DURUM"));
        row.dataTime = rows.text(r, QStringLiteral("VERIZAMANI"));
        out << row;
    }
    return out;
}

QStringList ScaleRecords::activeIps()
{
    return activeScaleIps(m_db);
}

int ScaleRecords::activeCount()
{
    return m_db.run(QStringLiteral("SELECT COUNT(TRZIP) FROM TERAZITBL WHERE DURUM='0'")).scalar().toInt();
}

int ScaleRecords::drawNumber()
{
    const QString text = m_db.executeProcedure(QStringLiteral("P_TERAZI"));
    bool ok = false;
    const int id = text.trimmed().toInt(&ok);
    if (!ok)
        throw DbError(QStringLiteral("P_TERAZI geçersiz bir terazi numarası döndürdü: ") + text);
    return id;
}

bool ScaleRecords::ipTaken(const QString& ip)
{
    return m_db.run(QStringLiteral("SELECT COUNT(TRZIP) FROM TERAZITBL WHERE TRZIP=?"), {ip}).scalar().toInt() >= 1;
}

bool ScaleRecords::ipTakenByOther(const QString& ip, int id)
{
    return m_db.run(QStringLiteral("SELECT COUNT(TRZIP) FROM TERAZITBL WHERE TRZIP=? AND ID<>?"), {ip, id})
               .scalar()
               .toInt() >= 1;
}

void ScaleRecords::insert(int id, const QString& ip, const QString& name, const QString& state)
{
    m_db.run(QStringLiteral("INSERT INTO TERAZITBL VALUES(?,?,?,?,?)"), {id, ip, name, state, QString()});
    try {
        for (int table = 1; table <= HotkeyTables; ++table)
            for (int key = 1; key <= KeysPerTable; ++key)
                m_db.run(QStringLiteral("INSERT INTO HKEYTBL VALUES(?,?,?,?)"), {id, table, key, 0});
    } catch (const DbError&) {
        // The transaction is shared and stays open: without this the next commit of any
        // window would store a scale with only part of its hotkey tables.
        try {
            m_db.run(QStringLiteral("DELETE FROM HKEYTBL WHERE TRZID=?"), {id});
            m_db.run(QStringLiteral("DELETE FROM TERAZITBL WHERE ID=?"), {id});
        } catch (const DbError&) {
            // The first error is the one to report.
        }
        throw;
    }
}

void ScaleRecords::update(int id, const QString& ip, const QString& name, const QString& state)
{
    m_db.run(QStringLiteral("UPDATE TERAZITBL SET TRZIP=?,TRZADI=?,DURUM=? WHERE ID=?"), {ip, name, state, id});
}

void ScaleRecords::setState(int id, const QString& state)
{
    m_db.run(QStringLiteral("UPDATE TERAZITBL SET DURUM=? WHERE ID=?"), {state, id});
}

void ScaleRecords::remove(int id)
{
    m_db.run(QStringLiteral("DELETE FROM TERAZITBL WHERE ID=?"), {id});
    m_db.run(QStringLiteral("DELETE FROM HKEYTBL WHERE TRZID=?"), {id});
}

void ScaleRecords::removeAll()
{
    m_db.run(QStringLiteral("DELETE FROM TERAZITBL"));
    m_db.run(QStringLiteral("DELETE FROM HKEYTBL"));
}

void ScaleRecords::commit()
{
    m_db.commit();
}

} // namespace mv
