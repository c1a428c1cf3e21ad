#pragma once

#include <QChar>
#include <QList>
#include <QString>
#include <QVariant>

namespace mv {

class Database;
class Rows;

// One product as the product list shows it and as the loader reads it: the twelve
// columns of PLUTBL as texts with surrounding blanks removed, plus the calculated
// columns SECIM, URUNTIP, DEGISIM and ETNO.
//
// Decimals (FIYAT, DARA) are in display form: the decimal separator the price setting
// names, no thousands separator, no trailing zeros ("12,5", "12", "0,125"). Null
// columns are the empty text.
struct ProductRow {
    bool secim = false;   // tick mark of the list; false after every read
    QString plukodu;
    QString barkodu;
    QString pluadi;
    QString fiyat;
    QString uruntip;      // "Tartılı" for URTIP 4, "Adetli" for 10, else empty
    QString rafomru;
    QString dara;
    QString mesaj1;
    QString etiketno;     // label ordinal 1-10
    QString etno;         // label bit pattern of ETIKETNO, empty when it is no ordinal
    QString degisim;      // "Evet" when DEGISTI is "E", else empty
    QString urtip;
    QString bartip;
    QString dept;
    QString degisti;

    // Row `r` of a "SELECT * FROM PLUTBL" result; `separator` is the decimal
    // separator of the price setting ("," or ".").
    static ProductRow fromRows(const Rows& rows, int r, QChar separator);
    // Every row of a "SELECT * FROM PLUTBL" result, in the order given.
    static QList<ProductRow> fromRows(const Rows& rows, QChar separator);
    // Runs "SELECT * FROM PLUTBL" and reads all products in the order the database returns them.
    static QList<ProductRow> readAll(Database& db, QChar separator);

    // Fills the calculated columns from URTIP, DEGISTI and ETIKETNO (after an edit).
    void calculate();

    // A stored decimal as display text: separator as given, no trailing zeros.
    static QString decimalText(const QVariant& value, QChar separator);

    static QString weighedText() { return QStringLiteral("Tartılı"); }
    static QString countedText() { return QStringLiteral("Adetli"); }
    static QString changedText() { return QStringLiteral("Evet"); }
};

} // namespace mv
