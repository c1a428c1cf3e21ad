#pragma once

#include <QString>

namespace mv {

class ScaleRecords;

// What the scale card's save does, apart from the widgets: the field checks in screen
// order, the duplicate IP check and the writes.
class ScaleCardSave {
public:
    enum class Field { None, Name, Ip };

    struct Input {
        bool addMode = true;
        int id = 0; // the scale being changed; unused in add mode
        QString name;
        QString ip;
        int statePosition = 0; // 0 "Aktif", 1 "Pasif"
    };

    struct Result {
        bool saved = false;
        QString message; // for the notice box when not saved
        Field focus = Field::None;
        int id = 0; // the scale's number once saved
    };

    // The first field that fails, with its message; saved stays false either way.
    static Result check(const Input& input);
    // Checks, then writes and commits. A new scale draws its number before the duplicate
    // check, so a refused save still uses one up.
    static Result save(ScaleRecords& records, const Input& input);

    // Four decimal numbers 0-255 joined by dots, nothing around them and no leading zeros,
    // so that one address has one spelling and the duplicate check can compare texts.
    static bool isDottedIpv4(const QString& text);
    // DURUM text of a position of the state choice.
    static QString stateText(int position) { return QString::number(position == 0 ? 0 : 1); }
};

} // namespace mv
