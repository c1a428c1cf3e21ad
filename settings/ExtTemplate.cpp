#include "settings/ExtTemplate.h"

#include "settings/IniFile.h"

#include <algorithm>

namespace mv {

namespace {

const QString kExtData = QStringLiteral("ExtData");
const QString kProductTypes = QStringLiteral("ProductTypes");
const QString kUrtipCount = QStringLiteral("UrtipCount");

using TextField = QString ExtTemplate::*;
using ItemField = std::array<QString, ExtTemplate::ItemCount> ExtTemplate::*;

// One ExtData key: either a plain text field, an item field with its index, or
// UrtipCount (both pointers null).
struct KeyDef {
    const char* key;
    TextField text;
    ItemField item;
    int index;
};

constexpr KeyDef plain(const char* key, TextField f) { return {key, f, nullptr, 0}; }
constexpr KeyDef item(const char* key, ItemField f, int n) { return {key, nullptr, f, n - 1}; }

// The order in which the file holds the keys.
const std::array<KeyDef, 33> kKeys{{
    plain("Seperator", &ExtTemplate::seperator),
    plain("Icerik", &ExtTemplate::icerik),
    plain("Dosya", &ExtTemplate::dosya),
    item("ALN01", &ExtTemplate::aln, 1),
    item("VRM01", &ExtTemplate::vrm, 1),
    item("BSL01", &ExtTemplate::bsl, 1),
    item("ADT01", &ExtTemplate::adt, 1),
    item("ALN02", &ExtTemplate::aln, 2),
    item("VRM02", &ExtTemplate::vrm, 2),
    item("BSL02", &ExtTemplate::bsl, 2),
    item("ADT02", &ExtTemplate::adt, 2),
    plain("ONEK02", &ExtTemplate::onek02),
    item("ALN03", &ExtTemplate::aln, 3),
    item("VRM03", &ExtTemplate::vrm, 3),
    item("BSL03", &ExtTemplate::bsl, 3),
    item("ADT03", &ExtTemplate::adt, 3),
    item("ALN04", &ExtTemplate::aln, 4),
    item("VRM04", &ExtTemplate::vrm, 4),
    item("BSL04", &ExtTemplate::bsl, 4),
    item("ADT04", &ExtTemplate::adt, 4),
    plain("KURUS", &ExtTemplate::kurus),
    plain("SKTVRM", &ExtTemplate::sktvrm),
    item("VRM05", &ExtTemplate::vrm, 5),
    item("BSL05", &ExtTemplate::bsl, 5),
    item("ADT05", &ExtTemplate::adt, 5),
    item("ALN05", &ExtTemplate::aln, 5),
    {"UrtipCount", nullptr, nullptr, 0},
    plain("STDSKT", &ExtTemplate::stdskt),
    plain("RAF", &ExtTemplate::raf),
    plain("DARA", &ExtTemplate::dara),
    plain("MESAJNO", &ExtTemplate::mesajno),
    plain("BASTAN", &ExtTemplate::bastan),
    plain("SONDAN", &ExtTemplate::sondan),
}};

struct RowDef {
    const char* prefix;
    QStringList ExtTemplate::*list;
};

const std::array<RowDef, 5> kRowKeys{{
    {"UtOnEk", &ExtTemplate::utOnEk},
    {"UtTipi", &ExtTemplate::utTipi},
    {"UtBarNo", &ExtTemplate::utBarNo},
    {"UtEtNo", &ExtTemplate::utEtNo},
    {"UtEtValue", &ExtTemplate::utEtValue},
}};

// A whole number with an optional sign; anything else (the empty text included) is 0.
int numberOrZero(const QString& text)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok, 10);
    return ok ? v : 0;
}

QString& field(ExtTemplate& t, const KeyDef& k)
{
    return k.text ? t.*k.text : (t.*k.item)[std::size_t(k.index)];
}

const QString& field(const ExtTemplate& t, const KeyDef& k)
{
    return k.text ? t.*k.text : (t.*k.item)[std::size_t(k.index)];
}

const KeyDef* findKey(const QString& key)
{
    for (const KeyDef& k : kKeys)
        if ((k.text || k.item) && key.compare(QLatin1String(k.key), Qt::CaseInsensitive) == 0)
            return &k;
    return nullptr;
}

} // namespace

ExtTemplate ExtTemplate::read(const QString& path)
{
    IniFile ini(path);
    ini.load();
    ExtTemplate t;
    for (const KeyDef& k : kKeys) {
        const QString v = ini.value(kExtData, QLatin1String(k.key));
        if (k.text || k.item)
            field(t, k) = v;
        else
            t.urtipCount = std::clamp(numberOrZero(v), 0, MaxProductTypes);
    }
    for (int r = 1; r <= t.urtipCount; ++r)
        for (const RowDef& row : kRowKeys)
            (t.*row.list) << ini.value(kProductTypes, QLatin1String(row.prefix) + QString::number(r));
    return t;
}

bool ExtTemplate::write(const QString& path) const
{
    IniFile ini(path);
    if (!ini.load())
        return false;
    for (const KeyDef& k : kKeys) {
        const QString v = (k.text || k.item) ? field(*this, k).trimmed() : QString::number(urtipCount);
        ini.setValue(kExtData, QLatin1String(k.key), v);
    }
    for (int r = 1; r <= urtipCount; ++r)
        for (const RowDef& row : kRowKeys)
            ini.setValue(kProductTypes, QLatin1String(row.prefix) + QString::number(r),
                         (this->*row.list).value(r - 1).trimmed());
    return ini.save();
}

int ExtTemplate::separatorNumber() const
{
    return numberOrZero(seperator);
}

int ExtTemplate::contentNumber() const
{
    return numberOrZero(icerik);
}

QStringList ExtTemplate::extDataKeys()
{
    QStringList keys;
    for (const KeyDef& k : kKeys)
        keys << QLatin1String(k.key);
    return keys;
}

QString ExtTemplate::value(const QString& key) const
{
    const KeyDef* k = findKey(key);
    return k ? field(*this, *k) : QString();
}

void ExtTemplate::setValue(const QString& key, const QString& value)
{
    if (const KeyDef* k = findKey(key))
        field(*this, *k) = value;
}

} // namespace mv
