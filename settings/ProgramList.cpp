#include "settings/ProgramList.h"

#include <array>

namespace mv {

namespace {

// Index = template code.
const std::array<const char*, ProgramList::Count> kNames{{
    "[ Serbest Format ]",
    "AdvanRPS",       "Ads Yazılım",     "AkınSoft",        "Aktif POS",       "Asaran Yazılım",
    "Arniva Yazılım", "AtaSoft",         "Ati Yazılım",     "Atiker Yazılım",  "Ays Yazılım",
    "Barkomatik",     "BarSoft",         "Bizim Hesap",     "Boylam Yazılım",  "Bym Yazılım",
    "Byte Yazılım",   "B-Kare Yazılım",  "DaraPlus",        "DemirSoft",       "Derun Yazılım",
    "Dia Yazılım",    "DivaSoft",        "Ekobim",          "Emex Yazılım",    "Epro Yazılım",
    "Erp12 Yazılım",  "EtkSoft Yazılım", "E-Wit Yazılım",   "E1 Yazılım",      "Flap Yazılım",
    "Flexxi Yazılım", "ForNext Yazılım", "Genova",          "Golden ERP",      "Hira POS",
    "İremSoft",       "İtinaSoft",       "Karpin Yazılım",  "KerrzzPOS",       "Led Yazılım",
    "MakroCell",      "MakroSoft",       "Marsis",          "Mfd Yazılım",     "Mikro",
    "MShop",          "NarPos",          "Net Hesap",       "Netsim",          "Nokta Barkod",
    "Orion",          "Opak ERP",        "PanelDos",        "Pastel Yazılım",  "Petek Yazılım",
    "Petkom Yazılım", "Qr Yazılım",      "Ranros Yazılım",  "RemSoft",         "Samba POS",
    "Siryon Yazılım", "Sysmond",         "Teknik POS",      "Tensa POS",       "Vega Yazılım",
    "WinSell",        "Zentek",
}};

} // namespace

QString ProgramList::name(int code)
{
    if (code < 0 || code >= Count)
        return {};
    return QString::fromUtf8(kNames[std::size_t(code)]);
}

QString ProgramList::code(int code)
{
    return QStringLiteral("%1").arg(code, 3, 10, QLatin1Char('0'));
}

QString ProgramList::entry(int code)
{
    if (code < 0 || code >= Count)
        return {};
    return ProgramList::code(code) + QStringLiteral(" - ") + name(code);
}

QStringList ProgramList::entries()
{
    QStringList out;
    out.reserve(Count);
    for (int c = 0; c < Count; ++c)
        out << entry(c);
    return out;
}

int ProgramList::codeOfEntry(const QString& entry)
{
    if (entry.size() < 3)
        return -1;
    for (int i = 0; i < 3; ++i)
        if (!entry.at(i).isDigit() || entry.at(i).unicode() > 0x7f)
            return -1;
    const int c = entry.left(3).toInt();
    return c < Count ? c : -1;
}

} // namespace mv
