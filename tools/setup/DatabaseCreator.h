#pragma once

#include <QString>

namespace mv {

// Creates a new, empty catalogue database file with its tables and procedures.
// Refuses to touch a file that already exists. Throws DbError on failure.
void createCatalogueDatabase(const QString& path);

} // namespace mv
