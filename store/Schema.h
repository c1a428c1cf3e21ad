#pragma once

#include <QStringList>

namespace mv {

// The statements that lay out an empty catalogue database: five tables, two
// sequences and the two numbering procedures. The program itself never runs them;
// the set-up tool does, once, on a new database file.
QStringList catalogueSchema();

} // namespace mv
