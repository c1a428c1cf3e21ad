#pragma once

#include <QString>

#include <optional>

namespace mv::numbertext {

// Numbers in the Turkish regional form, fixed for the whole program: "," is the decimal
// separator and there is no thousands separator, so "1.250" is not a number.

// Reads a decimal number: blanks around it, an optional sign, digits with at most one
// ",", an optional exponent ("1,5E3"). Anything else gives no value.
std::optional<double> parseDecimal(const QString& text);

// Writes a number in the general format: up to 15 significant digits, no trailing
// zeros, "," before the decimals; the exponent form ("1E20", "1,5E-6") for numbers of
// more than 15 digits before the point or below 0,00001.
QString formatGeneral(double value);

} // namespace mv::numbertext
