#pragma once

#include <QString>
#include <QStringList>

namespace mv {

// The ten label layouts a scale knows. PLUTBL.ETIKETNO holds the ordinal 1-10 of a
// label everywhere in the program; the scale receives the label's bit pattern.
//
//   ordinal      1   2   3   4   5   6   7   8    9   10
//   name        A0  A1  B0  B1  C0  C1  D0  D1   E0   E1
//   bit pattern  1   2   4   8  16  32  64  128   3   12
class LabelCodes {
public:
    static constexpr int Count = 10;

    // "A0" ... "E1" in ordinal order.
    static const QStringList& names();
    static bool isOrdinal(int ordinal) { return ordinal >= 1 && ordinal <= Count; }

    // The name of ordinal 1-10; the empty text for any other number.
    static QString name(int ordinal);
    // The bit pattern of ordinal 1-10; -1 for any other number.
    static int bitPattern(int ordinal);
    // The ordinal of a label name ("A0" ... "E1"); 0 when it names no label.
    static int ordinalOfName(const QString& name);
    // The ordinal whose bit pattern this is; 0 when no label has it.
    static int ordinalOfBitPattern(int pattern);

    // ETNO of a product row: the bit pattern of the ETIKETNO text as decimal text,
    // the empty text when the text is not an ordinal 1-10.
    static QString bitPatternText(const QString& ordinalText);
};

} // namespace mv
