#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

namespace mv {

// One row of the staging table: the mark ("H" complete, "E" incomplete) and the eleven
// product values as texts, in the order of the header row.
using StagingRow = std::array<QString, 12>;

// Column numbers of a staging row.
namespace staging {
enum Column {
    Mark = 0,
    PluCode = 1,
    Barcode = 2,
    Department = 3,
    Name = 4,
    Price = 5,
    BarcodeType = 6,
    ProductType = 7,
    Tare = 8,
    ShelfLife = 9,
    Message = 10,
    LabelNo = 11,
};
} // namespace staging

// The working stores of an import, kept by the window that runs it (the product list
// for the manual import, the main window for the automatic one). Every run clears the
// raw lines and the error lines and rebuilds the staging table.
struct ImportStores {
    ImportStores();

    // "Sıra", "PLU", "Barkodu", ... "EtiketNo".
    static const StagingRow& headerRow();

    // The lines of the external data file after the code page conversion.
    QStringList rawLines;
    // Row 0 is the header row; data rows follow from 1 in line order.
    QList<StagingRow> staging;
    // One text per staging row that could not be stored, in row order.
    QStringList errorLines;

    int dataRowCount() const { return int(staging.size()) - 1; }
    // Empties the three stores, leaving the header row.
    void clear();
};

} // namespace mv
