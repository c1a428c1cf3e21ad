#pragma once

#include <QString>
#include <QVariant>

namespace mv {

// Texts turned into the values bound to integer and decimal columns.
//
// The database driver turns a bound text into a number on the client side and reads
// anything it cannot convert as 0, which would store a wrong value without a word.
// Writers therefore convert their texts here first: a text that is not a number raises
// the same conversion error the database raises for a literal it cannot convert.
namespace sqlvalue {

// A whole number that fits a signed 32-bit integer; blanks around it are allowed.
QVariant integer(const QString& text);
// A decimal number with "." as separator; blanks around it are allowed.
QVariant decimal(const QString& text);
// The empty text becomes NULL; anything else must be an integer.
QVariant optionalInteger(const QString& text);

} // namespace sqlvalue
} // namespace mv
