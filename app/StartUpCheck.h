#pragma once

#include <QString>

namespace mv {

class ProgramFolder;

// The message that ends the program when Data.FDB or Ini/GenelAyar.Ini is missing;
// empty when both are there. The database is checked first.
QString missingFileMessage(const ProgramFolder& folder);

} // namespace mv
