#include "scale/driver/DriverConfig.h"

#include "scale/driver/PBusDrv.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace mv::pbus {

namespace {

constexpr std::size_t kMaxFileSize = 64 * 1024;

std::string trimmed(const std::string& s)
{
    const char* blanks = " \t\r\n\v\f";
    const auto first = s.find_first_not_of(blanks);
    if (first == std::string::npos)
        return {};
    const auto last = s.find_last_not_of(blanks);
    return s.substr(first, last - first + 1);
}

std::string lower(std::string s)
{
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return s;
}

// A whole decimal number within [low, high]; anything else is refused.
bool number(const std::string& text, int low, int high, int& out)
{
    if (text.empty() || text.size() > 9)
        return false;
    long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    if (value < low || value > high)
        return false;
    out = int(value);
    return true;
}

} // namespace

std::string localPath(const char* path)
{
    std::string out = path ? path : "";
    for (char& c : out)
        if (c == '\\')
            c = '/';
    return out;
}

int DriverConfig::read(const char* path)
{
    const std::string file = localPath(path);
    if (file.empty())
        return PBUS_OK;
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT ? PBUS_OK : PBUS_E_CONFIG;
    std::string text;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 || text.size() + std::size_t(n) > kMaxFileSize) {
            ::close(fd);
            return PBUS_E_CONFIG;
        }
        if (n == 0)
            break;
        text.append(buffer, std::size_t(n));
    }
    ::close(fd);
    return parse(text);
}

int DriverConfig::parse(const std::string& text)
{
    DriverConfig result;
    std::size_t start = 0;
    bool firstLine = true;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        if (firstLine && line.size() >= 3 && line.compare(0, 3, "\xEF\xBB\xBF") == 0)
            line.erase(0, 3);
        firstLine = false;
        line = trimmed(line);
        if (line.empty() || line[0] == '#' || line[0] == ';' || line[0] == '[')
            continue;
        const auto eq = line.find('=');
        if (eq == std::string::npos)
            return PBUS_E_CONFIG;
        const std::string key = lower(trimmed(line.substr(0, eq)));
        const std::string value = trimmed(line.substr(eq + 1));
        bool ok = true;
        if (key == "port")
            ok = number(value, 1, 65535, result.port);
        else if (key == "connecttimeoutms")
            ok = number(value, 1, kMaxTimeoutMs, result.connectTimeoutMs);
        else if (key == "replytimeoutms")
            ok = number(value, 1, kMaxTimeoutMs, result.replyTimeoutMs);
        if (!ok)
            return PBUS_E_CONFIG;
    }
    *this = result;
    return PBUS_OK;
}

} // namespace mv::pbus
