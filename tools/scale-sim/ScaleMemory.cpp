#include "tools/scale-sim/ScaleMemory.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>

namespace mv::sim {

void ScaleMemory::storePlus(const std::vector<SimPluRecord>& records)
{
    for (const SimPluRecord& r : records)
        plus[r.code] = r;
}

void ScaleMemory::storeHotkeys(int table, const HotkeyTable& keys)
{
    hotkeys.at(std::size_t(table)) = keys;
}

void ScaleMemory::storeMessage(std::int32_t number, const QString& text)
{
    messages[number] = text;
}

void ScaleMemory::clearPluData()
{
    plus.clear();
    hotkeys = {};
    ++clears;
}

QJsonObject ScaleMemory::toJson() const
{
    QJsonArray plusArray;
    for (const auto& [code, r] : plus) {
        plusArray.append(QJsonObject {
            { QStringLiteral("code"), r.code },
            { QStringLiteral("name"), r.name },
            { QStringLiteral("barcode"), r.barcode },
            { QStringLiteral("barcode_type"), r.barcodeType },
            { QStringLiteral("price"), r.price },
            { QStringLiteral("type"), r.type },
            { QStringLiteral("department"), r.department },
            { QStringLiteral("tare"), r.tare },
            { QStringLiteral("shelf_life"), r.shelfLife },
            { QStringLiteral("message"), r.message },
            { QStringLiteral("label"), r.label },
        });
    }
    QJsonObject hotkeyObject;
    for (int t = 0; t < 2; ++t) {
        QJsonArray keys;
        for (const std::int32_t code : hotkeys[std::size_t(t)])
            keys.append(code);
        hotkeyObject.insert(QString::number(t + 1), keys);
    }
    QJsonArray messageArray;
    for (const auto& [number, text] : messages)
        messageArray.append(QJsonObject { { QStringLiteral("number"), number }, { QStringLiteral("text"), text } });
    return QJsonObject {
        { QStringLiteral("plus"), plusArray },
        { QStringLiteral("hotkeys"), hotkeyObject },
        { QStringLiteral("messages"), messageArray },
        { QStringLiteral("clears"), clears },
    };
}

QByteArray ScaleMemory::toJsonText() const
{
    return QJsonDocument(toJson()).toJson(QJsonDocument::Indented);
}

bool ScaleMemory::writeTo(const QString& path, QString* error) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(toJsonText()) < 0 || !file.commit()) {
        if (error)
            *error = path + QStringLiteral(": ") + file.errorString();
        return false;
    }
    return true;
}

} // namespace mv::sim
