#pragma once

#include <chrono>
#include <cstdint>
#include <vector>

namespace mv::pbus {

// One TCP connection to a scale, with request/status exchanges bounded by a deadline.
// Every call returns PBUS_OK or a negative PBUS_E_* code. After a timeout, a dropped
// connection or an invalid answer the connection is closed, since the stream can no
// longer be trusted.
class Connection {
public:
    Connection() = default;
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Connects to `ipv4` (dotted text) and greets the scale.
    int open(const char* ipv4, int port, int connectTimeoutMs, int replyTimeoutMs);
    // Sends one request frame and waits for the scale's status.
    int exchange(std::uint8_t type, const std::vector<std::uint8_t>& payload);
    // Says goodbye (when open) and closes. Returns the result of the goodbye.
    int close();
    bool isOpen() const { return m_fd >= 0; }

private:
    using Clock = std::chrono::steady_clock;

    int connectSocket(std::uint32_t address, int port, int timeoutMs);
    int sendAll(const std::vector<std::uint8_t>& bytes, Clock::time_point deadline);
    int receiveExactly(std::uint8_t* into, std::size_t size, Clock::time_point deadline);
    // Waits until the socket is ready for `events`; PBUS_OK or PBUS_E_TIMEOUT / PBUS_E_DROPPED.
    int waitFor(short events, Clock::time_point deadline);
    void drop();

    int m_fd = -1;
    int m_replyTimeoutMs = 5000;
};

} // namespace mv::pbus
