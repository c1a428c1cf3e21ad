#pragma once

#include <QStringList>

namespace mv {

class Database;

// The IP of every active scale, in ascending text order of the IP: the target scale
// list as start-up and the list screens fill it.
QStringList activeScaleIps(Database& db);

} // namespace mv
