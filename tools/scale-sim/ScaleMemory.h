#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <array>
#include <cstdint>
#include <map>
#include <vector>

namespace mv::sim {

// One product as the scale keeps it, texts already converted from Windows-1254.
struct SimPluRecord {
    std::int32_t code = 0;
    QString name;
    QString barcode;
    std::int32_t barcodeType = 0;
    std::int32_t price = 0; // hundredths
    std::int32_t type = 0;
    std::int32_t department = 0;
    double tare = 0;
    std::int32_t shelfLife = 0;
    int message = 0;
    int label = 0;

    bool operator==(const SimPluRecord&) const = default;
};

// What a simulated scale holds: products by code, two hotkey tables, messages by number,
// and how often it was told to clear its products.
class ScaleMemory {
public:
    using HotkeyTable = std::array<std::int32_t, 84>;

    std::map<std::int32_t, SimPluRecord> plus;
    std::array<HotkeyTable, 2> hotkeys {}; // [0] is table 1, [1] table 2
    std::map<std::int32_t, QString> messages;
    int clears = 0;

    // Stores the records; a later record with the same code replaces the earlier one.
    void storePlus(const std::vector<SimPluRecord>& records);
    // `table` 0 or 1, as on the wire.
    void storeHotkeys(int table, const HotkeyTable& keys);
    void storeMessage(std::int32_t number, const QString& text);
    // Empties the products and both hotkey tables, and counts the request.
    void clearPluData();

    // {"plus": [...by code], "hotkeys": {"1": [84], "2": [84]}, "messages": [...], "clears": n}
    QJsonObject toJson() const;
    // UTF-8 JSON text.
    QByteArray toJsonText() const;
    // Rewrites `path` with toJsonText() through a temporary file and a rename.
    bool writeTo(const QString& path, QString* error = nullptr) const;
};

} // namespace mv::sim
