#pragma once

#include "import/ImportMode.h"

#include <QList>
#include <QString>

#include <array>

namespace mv {

class ExtTemplate;
struct GeneralSettings;

// What the line readers need from the template and the general settings, with the
// template's numbers already turned into integers. Building it is where a template
// number that is empty or not a number is found.
class ImportLayout {
public:
    // Where one item lies in a line (fixed positions) or in a field (separated fields).
    struct Item {
        int field = 0;      // field number from 1; separated files only
        bool whole = false; // the whole field; separated files only
        int start = 1;      // first character, counted from 1
        int length = 0;     // number of characters
    };

    // One row of the product type table, all texts as the template holds them.
    struct ProductType {
        QString prefix;      // UtOnEk, blanks removed
        QString typeCode;    // "4" for "Tartılı", "10" otherwise
        QString barcodeType; // UtBarNo
        QString labelNo;     // UtEtNo
    };

    enum ItemIndex { PluCode = 0, Barcode = 1, Name = 2, Price = 3, ShelfLife = 4 };

    // Throws ImportError naming the key when a number it needs is empty or not a number.
    static ImportLayout build(const ExtTemplate& tpl, const GeneralSettings& settings, ImportMode mode);

    ImportMode mode = ImportMode::Manual;
    bool separated = false;
    QChar separator;     // ";" or TAB when separated
    bool utf8 = false;
    QString dataFile;    // Dosya as written in the template
    std::array<Item, 5> items;
    bool shelfLifeFromLine = false; // manual import with SKTVRM "E"
    QString barcodePrefix;          // ONEK02
    QString kurus;
    int skipStart = 0; // BASTAN
    int skipEnd = 0;   // SONDAN
    QList<ProductType> productTypes;

    // The values every row with a product type gets.
    QString tare;              // Dara of the general settings
    QString message;           // Mesaj1 of the general settings
    QString standardShelfLife; // manual: STDSKT; automatic: RafOmru of the general settings
};

} // namespace mv
