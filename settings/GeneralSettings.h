#pragma once

#include <QString>

namespace mv {

class IniFile;
class ProgramFolder;

// A yes/no setting or column: only exactly "E" is yes.
inline bool isYes(const QString& flag) { return flag == QLatin1String("E"); }

// The sixteen keys of Ini/GenelAyar.Ini, as texts with surrounding blanks removed.
struct GeneralSettings {
    // [Genel]
    QString logIslem;
    QString bildirim;
    QString disVeriAyari;
    QString disVeriSablon;
    QString teraziSecim;
    QString disVerideEskiSil;
    QString kusurat;
    // [UrunStandart]
    QString departman;
    QString rafOmru;
    QString dara;
    QString barkodTipi;
    QString mesaj1;
    // [OtoYukleme]
    QString baslatma;
    QString periyodik;
    QString baslatSure;
    QString periyodikSure;

    // Reads every key; missing keys (or a missing file) read as the empty text.
    static GeneralSettings read(const QString& path);
    // Writes the sixteen keys in their fixed order.
    bool write(const QString& path) const;
    // The same into a settings file held in memory.
    void store(IniFile& ini) const;
    // Writes DisVeriSablon alone.
    static bool writeTemplateCode(const QString& path, const QString& code);

    // Decimal separator of prices: "," when Kusurat says so, "." otherwise.
    QChar decimalSeparator() const;
    // The template code as a number; empty or non-numeric counts as 0.
    int templateNumber() const;
};

// The template code shown to the user: three digits, "000" when empty or not a number.
QString normalizedTemplateCode(const QString& code);
// Ini/DisVeri.ini for code 0, else Ini/DisVeri + code exactly as stored + .ini.
QString templatePath(const ProgramFolder& folder, const QString& code);

} // namespace mv
