#pragma once

#include <QString>

namespace mv {

class ProgramFolder;

// The message that ends the program when Data.FDB or Ini/GenelAyar.Ini is missing;
// empty when both are there. The database is checked first; a database named on the
// command line (another file, or one on a server) is not looked for in the folder.
QString missingFileMessage(const ProgramFolder& folder, bool checkDatabase = true);

} // namespace mv
