#include "import/ImportStores.h"

namespace mv {

ImportStores::ImportStores()
{
    clear();
}

const StagingRow& ImportStores::headerRow()
{
    static const StagingRow header{
        QStringLiteral("Sıra"),  QStringLiteral("PLU"),    QStringLiteral("Barkodu"), QStringLiteral("Dept"),
        QStringLiteral("Adı"),   QStringLiteral("Fiyat"),  QStringLiteral("BarTip"),  QStringLiteral("UrTip"),
        QStringLiteral("Dara"),  QStringLiteral("RafÖmrü"), QStringLiteral("Mesaj1"), QStringLiteral("EtiketNo"),
    };
    return header;
}

void ImportStores::clear()
{
    rawLines.clear();
    errorLines.clear();
    staging.clear();
    staging << headerRow();
}

} // namespace mv
