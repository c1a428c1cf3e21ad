#include "scale/driver/Connection.h"

#include "scale/driver/PBusDrv.h"
#include "scale/driver/WireFormat.h"

#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <unistd.h>

namespace mv::pbus {

namespace {

int connectErrorCode(int error)
{
    switch (error) {
    case ECONNREFUSED:
    case ECONNRESET:
        return PBUS_E_REFUSED;
    case ETIMEDOUT:
        return PBUS_E_TIMEOUT;
    case EMFILE:
    case ENFILE:
    case ENOBUFS:
    case ENOMEM:
        return PBUS_E_SYSTEM;
    default: // ENETUNREACH, EHOSTUNREACH, ENETDOWN, EHOSTDOWN, EADDRNOTAVAIL, EACCES, ...
        return PBUS_E_UNREACHABLE;
    }
}

int remainingMs(std::chrono::steady_clock::time_point deadline)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    return left.count() <= 0 ? 0 : int(left.count());
}

// Dotted IPv4 text, blanks around it allowed.
bool parseAddress(const char* text, std::uint32_t& address)
{
    if (!text)
        return false;
    std::string s(text);
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos)
        return false;
    s = s.substr(first, s.find_last_not_of(" \t") - first + 1);
    in_addr parsed {};
    if (::inet_pton(AF_INET, s.c_str(), &parsed) != 1)
        return false;
    address = parsed.s_addr;
    return true;
}

} // namespace

Connection::~Connection()
{
    drop();
}

int Connection::open(const char* ipv4, int port, int connectTimeoutMs, int replyTimeoutMs)
{
    std::uint32_t address = 0;
    if (!parseAddress(ipv4, address))
        return PBUS_E_BAD_ARGUMENT;
    drop();
    m_replyTimeoutMs = replyTimeoutMs;
    const int connected = connectSocket(address, port, connectTimeoutMs);
    if (connected != PBUS_OK)
        return connected;
    const int greeted = exchange(wire::Hello, {});
    // A scale that takes the connection and closes it at once turns us away.
    if (greeted == PBUS_E_DROPPED)
        return PBUS_E_REFUSED;
    if (greeted != PBUS_OK)
        drop();
    return greeted;
}

int Connection::connectSocket(std::uint32_t address, int port, int timeoutMs)
{
    m_fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (m_fd < 0)
        return PBUS_E_SYSTEM;
    const int one = 1;
    ::setsockopt(m_fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);

    sockaddr_in target {};
    target.sin_family = AF_INET;
    target.sin_port = htons(std::uint16_t(port));
    target.sin_addr.s_addr = address;
    if (::connect(m_fd, reinterpret_cast<const sockaddr*>(&target), sizeof target) == 0)
        return PBUS_OK;
    if (errno != EINPROGRESS && errno != EINTR) {
        const int code = connectErrorCode(errno);
        drop();
        return code;
    }
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    const int ready = waitFor(POLLOUT, deadline);
    if (ready != PBUS_OK) {
        drop();
        return ready;
    }
    int error = 0;
    socklen_t length = sizeof error;
    if (::getsockopt(m_fd, SOL_SOCKET, SO_ERROR, &error, &length) != 0)
        error = errno;
    if (error != 0) {
        drop();
        return connectErrorCode(error);
    }
    return PBUS_OK;
}

int Connection::exchange(std::uint8_t type, const std::vector<std::uint8_t>& payload)
{
    if (m_fd < 0)
        return PBUS_E_NOT_CONNECTED;
    const auto deadline = Clock::now() + std::chrono::milliseconds(m_replyTimeoutMs);
    int result = sendAll(wire::frame(type, payload), deadline);
    std::uint8_t header[wire::kHeaderSize];
    if (result == PBUS_OK)
        result = receiveExactly(header, sizeof header, deadline);
    if (result != PBUS_OK) {
        drop();
        return result;
    }
    if (header[0] != wire::kMagic0 || header[1] != wire::kMagic1 || header[2] != wire::kVersion
        || header[3] != wire::Status || wire::getU32(header + 4) != wire::kStatusPayloadSize) {
        drop();
        return PBUS_E_PROTOCOL;
    }
    std::uint8_t status[wire::kStatusPayloadSize];
    result = receiveExactly(status, sizeof status, deadline);
    if (result != PBUS_OK) {
        drop();
        return result;
    }
    if (status[0] != type) {
        drop();
        return PBUS_E_PROTOCOL;
    }
    return status[1] == wire::StatusOk ? PBUS_OK : PBUS_E_SCALE_REFUSED;
}

int Connection::close()
{
    if (m_fd < 0)
        return PBUS_OK;
    const int result = exchange(wire::Bye, {});
    drop();
    return result;
}

int Connection::sendAll(const std::vector<std::uint8_t>& bytes, Clock::time_point deadline)
{
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(m_fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n > 0) {
            sent += std::size_t(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            const int ready = waitFor(POLLOUT, deadline);
            if (ready != PBUS_OK)
                return ready;
            continue;
        }
        return PBUS_E_DROPPED;
    }
    return PBUS_OK;
}

int Connection::receiveExactly(std::uint8_t* into, std::size_t size, Clock::time_point deadline)
{
    std::size_t got = 0;
    while (got < size) {
        const ssize_t n = ::recv(m_fd, into + got, size - got, 0);
        if (n > 0) {
            got += std::size_t(n);
            continue;
        }
        if (n == 0)
            return PBUS_E_DROPPED;
        if (errno == EINTR)
            continue;
        if (errno == EAGAIN || errno == EWOULDBLOCK) {
            const int ready = waitFor(POLLIN, deadline);
            if (ready != PBUS_OK)
                return ready;
            continue;
        }
        return PBUS_E_DROPPED;
    }
    return PBUS_OK;
}

int Connection::waitFor(short events, Clock::time_point deadline)
{
    for (;;) {
        pollfd p { m_fd, events, 0 };
        const int n = ::poll(&p, 1, remainingMs(deadline));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return PBUS_E_SYSTEM;
        if (n == 0)
            return PBUS_E_TIMEOUT;
        // Errors and hang-ups show up in the following send/recv (or SO_ERROR) with their cause.
        return PBUS_OK;
    }
}

void Connection::drop()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

} // namespace mv::pbus
