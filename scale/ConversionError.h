#pragma once

#include <QString>

#include <stdexcept>

namespace mv {

// A product value that cannot be turned into what the scale record needs (a PLU code
// that is not a number, a price beyond 32 bits, a label outside the ten labels).
// It ends the whole loading; the user interface shows text().
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString text() const { return QString::fromStdString(what()); }
};

} // namespace mv
