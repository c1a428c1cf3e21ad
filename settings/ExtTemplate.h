#pragma once

#include <QString>
#include <QStringList>

#include <array>

namespace mv {

// An external data template: how the export file of a merchandise program is read.
// Kept in Ini\DisVeri.ini (free format) or Ini\DisVeriNNN.ini, sections ExtData and
// ProductTypes. Every ExtData value is held as the text read, except UrtipCount.
class ExtTemplate {
public:
    static constexpr int ItemCount = 5;      // PLU code, barcode, name, price, shelf life
    static constexpr int MaxProductTypes = 10;

    // [ExtData]
    QString seperator; // "0" fixed positions, "1" ";", "2" TAB
    QString icerik;    // "0" ANSI, "1" UTF-8
    QString dosya;     // path of the external data file
    // Item n (1..5) is at index n - 1: ALN0n, VRM0n, BSL0n, ADT0n.
    std::array<QString, ItemCount> aln;
    std::array<QString, ItemCount> vrm;
    std::array<QString, ItemCount> bsl;
    std::array<QString, ItemCount> adt;
    QString onek02;
    QString kurus;
    QString sktvrm;
    int urtipCount = 0;
    QString stdskt;
    QString raf;
    QString dara;
    QString mesajno;
    QString bastan;
    QString sondan;

    // [ProductTypes], row r (1..urtipCount) at index r - 1.
    QStringList utOnEk;
    QStringList utTipi;
    QStringList utBarNo;
    QStringList utEtNo;
    QStringList utEtValue;

    // Reads a template; a missing file or key reads as the empty text. UrtipCount that
    // is missing or not a number counts as 0, one above 10 as 10; rows 1..urtipCount
    // are read.
    static ExtTemplate read(const QString& path);
    // Writes the ExtData keys in their fixed order, then rows 1..urtipCount. Creates
    // the file (and its folder) when missing; other lines of the file stay as they were.
    bool write(const QString& path) const;

    // Seperator and Icerik as numbers; missing or not a number counts as 0.
    int separatorNumber() const;
    int contentNumber() const;

    // The ExtData key names in the order the file holds them.
    static QStringList extDataKeys();
    // The text of an ExtData key other than UrtipCount; null for an unknown key.
    QString value(const QString& key) const;
    void setValue(const QString& key, const QString& value);
};

} // namespace mv
