#pragma once

#include <QString>
#include <QStringList>

namespace mv {

// The merchandise programs whose export files we know, by template code: 000 is the
// free format, 001 to 067 name one program each. An entry text is the three-digit
// code, " - " and the program's name, e.g. "001 - AdvanRPS".
class ProgramList {
public:
    static constexpr int Count = 68;

    // The name of the program with this code; the empty text outside 0..67.
    static QString name(int code);
    // The code as written in the settings file: three digits, "000" to "067".
    static QString code(int code);
    // The entry text of the program with this code; the empty text outside 0..67.
    static QString entry(int code);
    // All entries in code order, "000 - [ Serbest Format ]" first.
    static QStringList entries();
    // The code at the start of an entry text ("005 - ..." gives 5), or -1.
    static int codeOfEntry(const QString& entry);
};

} // namespace mv
