#include "settings/GeneralSettings.h"

#include "settings/IniFile.h"
#include "settings/ProgramFolder.h"

#include <array>

namespace mv {

namespace {

struct KeyDef {
    const char* section;
    const char* key;
    QString GeneralSettings::*field;
};

// The order in which a file written from nothing holds the keys.
const std::array<KeyDef, 16> kKeys{{
    {"Genel", "LogIslem", &GeneralSettings::logIslem},
    {"Genel", "Bildirim", &GeneralSettings::bildirim},
    {"Genel", "DisVeriAyari", &GeneralSettings::disVeriAyari},
    {"Genel", "DisVeriSablon", &GeneralSettings::disVeriSablon},
    {"Genel", "TeraziSecim", &GeneralSettings::teraziSecim},
    {"Genel", "DisVerideEskiSil", &GeneralSettings::disVerideEskiSil},
    {"Genel", "Kusurat", &GeneralSettings::kusurat},
    {"UrunStandart", "Departman", &GeneralSettings::departman},
    {"UrunStandart", "RafOmru", &GeneralSettings::rafOmru},
    {"UrunStandart", "Dara", &GeneralSettings::dara},
    {"UrunStandart", "BarkodTipi", &GeneralSettings::barkodTipi},
    {"UrunStandart", "Mesaj1", &GeneralSettings::mesaj1},
    {"OtoYukleme", "Baslatma", &GeneralSettings::baslatma},
    {"OtoYukleme", "Periyodik", &GeneralSettings::periyodik},
    {"OtoYukleme", "BaslatSure", &GeneralSettings::baslatSure},
    {"OtoYukleme", "PeriyodikSure", &GeneralSettings::periyodikSure},
}};

bool isNumber(const QString& text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

} // namespace

GeneralSettings GeneralSettings::read(const QString& path)
{
    IniFile ini(path);
    ini.load();
    GeneralSettings s;
    for (const KeyDef& k : kKeys)
        s.*k.field = ini.value(QLatin1String(k.section), QLatin1String(k.key));
    return s;
}

bool GeneralSettings::write(const QString& path) const
{
    IniFile ini(path);
    if (!ini.load())
        return false;
    store(ini);
    return ini.save();
}

void GeneralSettings::store(IniFile& ini) const
{
    for (const KeyDef& k : kKeys)
        ini.setValue(QLatin1String(k.section), QLatin1String(k.key), this->*k.field);
}

bool GeneralSettings::writeTemplateCode(const QString& path, const QString& code)
{
    IniFile ini(path);
    if (!ini.load())
        return false;
    ini.setValue(QStringLiteral("Genel"), QStringLiteral("DisVeriSablon"), code);
    return ini.save();
}

QChar GeneralSettings::decimalSeparator() const
{
    return kusurat == QLatin1String(",") ? QLatin1Char(',') : QLatin1Char('.');
}

int GeneralSettings::templateNumber() const
{
    return isNumber(disVeriSablon) ? disVeriSablon.toInt() : 0;
}

QString normalizedTemplateCode(const QString& code)
{
    const QString t = code.trimmed();
    if (!isNumber(t))
        return QStringLiteral("000");
    return QStringLiteral("%1").arg(t.toInt(), 3, 10, QLatin1Char('0'));
}

QString templatePath(const ProgramFolder& folder, const QString& code)
{
    const QString t = code.trimmed();
    if (!isNumber(t) || t.toInt() == 0)
        return folder.file(QStringLiteral("Ini\\DisVeri.ini"));
    return folder.file(QStringLiteral("Ini\\DisVeri") + t + QStringLiteral(".ini"));
}

} // namespace mv
