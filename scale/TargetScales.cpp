#include "scale/TargetScales.h"

#include "store/Database.h"

namespace mv {

QStringList activeScaleIps(Database& db)
{
    QStringList ips;
    const Rows rows = db.run(QStringLiteral("SELECT * FROM TERAZITBL WHERE DURUM='0' ORDER BY TRZIP"));
    for (int r = 0; r < rows.count(); ++r)
        ips << rows.text(r, QStringLiteral("TRZIP"));
    return ips;
}

} // namespace mv
