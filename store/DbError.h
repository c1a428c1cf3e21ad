#pragma once

#include <QString>
#include <stdexcept>

namespace mv {

// An error raised by the catalogue database; what() holds the database's own message.
class DbError : public std::runtime_error {
public:
    explicit DbError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString text() const { return QString::fromStdString(what()); }
};

} // namespace mv
