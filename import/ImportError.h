#pragma once

#include <QString>
#include <stdexcept>

namespace mv {

// The external data file or its template cannot be read or cut. Raised before the
// database is touched; what() holds a Turkish text for the user (UTF-8).
class ImportError : public std::runtime_error {
public:
    explicit ImportError(const QString& text) : std::runtime_error(text.toStdString()) {}
    QString text() const { return QString::fromStdString(what()); }
};

} // namespace mv
