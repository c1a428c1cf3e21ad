#pragma once

#include "import/ImportLayout.h"
#include "import/ImportStores.h"

#include <QStringList>

namespace mv {

// Cuts the lines of the external data file into staging rows, by fixed positions or by
// separated fields, as the layout says. Touches nothing but the staging table.
class LineCutter {
public:
    explicit LineCutter(const ImportLayout& layout);

    // Rebuilds the staging table from the raw lines between the skipped lines at the start
    // and at the end. Throws ImportError (naming the line) when a field number lies beyond
    // the fields of a line or a price is not a number; the staging table is then left
    // with the rows cut so far.
    void cutAll(ImportStores& stores) const;

    // One staging row; `lineNumber` (from 1) only names the line in an error text.
    StagingRow cutFixed(const QString& line, int lineNumber) const;
    StagingRow cutSeparated(const QString& line, int lineNumber) const;

    // The non-empty fields of a line. A part between two single or two double quotes
    // may hold the separator; the quotes stay in the field. A quote without its
    // closing partner is an ordinary character.
    static QStringList splitFields(const QString& line, QChar separator);

    // The price column: item 4 scaled by KURUS and written with "." as decimal separator.
    QString scalePrice(const QString& item, int lineNumber) const;

    // The first product type whose prefix equals the first two characters of the
    // barcode column (blanks removed on both sides), or null.
    const ImportLayout::ProductType* findProductType(const QString& barcodeColumn) const;

private:
    // Fills the product type columns (and the shelf life where the mode says so).
    // Returns false when no type matches.
    bool applyProductType(StagingRow& row) const;
    QString itemOfField(const QStringList& fields, int index, int lineNumber) const;

    const ImportLayout& m_layout;
};

} // namespace mv
