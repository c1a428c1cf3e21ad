#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace mv {

class Database;

// One row of TERAZITBL as the scale screens show it.
struct ScaleRow {
    int id = 0;
    QString ip;
    QString name;
    QString state;    // DURUM: "0" active, "1" passive
    QString dataTime; // VERIZAMANI, always written empty

    bool isActive() const { return state == QLatin1String("0"); }
};

// The statements of the scale screens on TERAZITBL and HKEYTBL. Writers leave the
// commit to the caller, which commits once its whole change is written.
class ScaleRecords {
public:
    static constexpr int HotkeyTables = 2;
    static constexpr int KeysPerTable = 112;

    explicit ScaleRecords(Database& db) : m_db(db) {}

    // Every scale, in the order the database returns them.
    QList<ScaleRow> all();
    // IPs of the active scales in ascending TRZIP order.
    QStringList activeIps();
    int activeCount();

    // The next scale number from P_TERAZI; every call uses one up.
    int drawNumber();
    // Whether a scale already has this IP.
    bool ipTaken(const QString& ip);
    // Whether a scale other than `id` has this IP.
    bool ipTakenByOther(const QString& ip, int id);

    // The scale row and its two empty hotkey tables (keys 1-112 each).
    void insert(int id, const QString& ip, const QString& name, const QString& state);
    void update(int id, const QString& ip, const QString& name, const QString& state);
    void setState(int id, const QString& state);
    // The scale and its hotkey rows.
    void remove(int id);
    void removeAll();

    void commit();

private:
    Database& m_db;
};

} // namespace mv
