#pragma once

#include <string>

namespace mv::pbus {

// The driver's settings from system.cfg: lines "Key=Value", keys in any case,
// blank lines, "#"/";" comments and "[section]" lines ignored, unknown keys ignored.
struct DriverConfig {
    static constexpr int kDefaultPort = 5500;
    static constexpr int kDefaultConnectTimeoutMs = 2000;
    static constexpr int kDefaultReplyTimeoutMs = 5000;
    static constexpr int kMaxTimeoutMs = 600000;

    int port = kDefaultPort;
    int connectTimeoutMs = kDefaultConnectTimeoutMs;
    int replyTimeoutMs = kDefaultReplyTimeoutMs;

    // Reads `path` (relative to the current folder; "\" or "/" between folders).
    // A missing file (or a null or empty path) leaves the defaults. Returns PBUS_OK or
    // PBUS_E_CONFIG when the file exists but cannot be read or holds an invalid value.
    int read(const char* path);
    // Takes the settings from the text of a file.
    int parse(const std::string& text);
};

// A path as the caller wrote it, with "\" turned into "/".
std::string localPath(const char* path);

} // namespace mv::pbus
