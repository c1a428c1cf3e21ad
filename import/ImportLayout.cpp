#include "import/ImportLayout.h"

#include "import/ImportError.h"
#include "settings/ExtTemplate.h"
#include "settings/GeneralSettings.h"

#include <algorithm>

namespace mv {

namespace {

const QString kTartili = QStringLiteral("Tartılı");

// A template number: a whole number, blanks around it removed, with an optional sign.
int templateNumber(const QString& text, const QString& key)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok, 10);
    if (!ok)
        throw ImportError(QStringLiteral("Dış veri ayar dosyasındaki %1 değeri bir sayı değil: \"%2\"")
                              .arg(key, text));
    return v;
}

QString itemKey(const char* name, int index)
{
    return QStringLiteral("%1%2").arg(QLatin1String(name)).arg(index + 1, 2, 10, QLatin1Char('0'));
}

} // namespace

ImportLayout ImportLayout::build(const ExtTemplate& tpl, const GeneralSettings& settings, ImportMode mode)
{
    ImportLayout l;
    l.mode = mode;
    const int sep = tpl.separatorNumber();
    l.separated = sep != 0;
    // Only "1" and "2" name a separator; another number leaves none, so every line is
    // one field.
    if (sep == 1)
        l.separator = QLatin1Char(';');
    else if (sep == 2)
        l.separator = QLatin1Char('\t');
    l.utf8 = tpl.contentNumber() == 1;
    l.dataFile = tpl.dosya;
    l.shelfLifeFromLine = mode == ImportMode::Manual && isYes(tpl.sktvrm);
    l.barcodePrefix = tpl.onek02;
    l.kurus = tpl.kurus;

    const int itemsRead = l.shelfLifeFromLine ? 5 : 4;
    for (int i = 0; i < itemsRead; ++i) {
        Item& item = l.items[std::size_t(i)];
        if (l.separated) {
            item.field = templateNumber(tpl.aln[std::size_t(i)], itemKey("ALN", i));
            item.whole = isYes(tpl.vrm[std::size_t(i)]);
        }
        if (!item.whole) {
            item.start = templateNumber(tpl.bsl[std::size_t(i)], itemKey("BSL", i));
            item.length = templateNumber(tpl.adt[std::size_t(i)], itemKey("ADT", i));
        }
    }

    // A negative count of lines to skip skips none.
    l.skipStart = std::max(0, templateNumber(tpl.bastan, QStringLiteral("BASTAN")));
    l.skipEnd = std::max(0, templateNumber(tpl.sondan, QStringLiteral("SONDAN")));

    const int types = std::min(tpl.urtipCount, ExtTemplate::MaxProductTypes);
    for (int r = 0; r < types; ++r) {
        ProductType t;
        t.prefix = tpl.utOnEk.value(r).trimmed();
        t.typeCode = tpl.utTipi.value(r).trimmed() == kTartili ? QStringLiteral("4") : QStringLiteral("10");
        t.barcodeType = tpl.utBarNo.value(r);
        t.labelNo = tpl.utEtNo.value(r);
        l.productTypes << t;
    }

    l.tare = settings.dara;
    l.message = settings.mesaj1;
    l.standardShelfLife = mode == ImportMode::Manual ? tpl.stdskt : settings.rafOmru;
    return l;
}

} // namespace mv
