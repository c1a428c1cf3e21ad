#pragma once

#include <QString>

namespace mv::sim {

// Writes the driver's system.cfg with the given port and timeouts (CR LF line ends, as on
// the shop's machines). False when the file cannot be written.
bool writeSystemCfg(const QString& path, quint16 port, int connectTimeoutMs = 2000, int replyTimeoutMs = 5000);

} // namespace mv::sim
