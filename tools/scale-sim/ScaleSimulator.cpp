#include "tools/scale-sim/ScaleSimulator.h"

#include "scale/driver/WireFormat.h"
#include "tools/scale-sim/RequestDecoder.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace mv::sim {

namespace {

// Bytes that look like no frame at all.
const std::vector<std::uint8_t> kGarbage = { 'N', 'O', 'T', ' ', 'A', ' ', 'F', 'R', 'A', 'M', 'E', '\n' };

std::vector<std::uint8_t> statusFrame(std::uint8_t answered, std::uint8_t status)
{
    return wire::frame(wire::Status, { answered, status, 0, 0 });
}

} // namespace

ScaleSimulator::ScaleSimulator(SimulatorOptions options)
    : m_options(std::move(options))
{
}

ScaleSimulator::~ScaleSimulator()
{
    stop();
}

bool ScaleSimulator::start(QString* error)
{
    auto fail = [&](const QString& why) {
        if (error)
            *error = why;
        stop();
        return false;
    };
    if (isRunning())
        return true;
    m_stopping = false;

    in_addr address {};
    const QByteArray addressText = m_options.address.toLatin1();
    if (::inet_pton(AF_INET, addressText.constData(), &address) != 1 || (ntohl(address.s_addr) >> 24) != 127)
        return fail(m_options.address + QStringLiteral(": not a loopback address (127.x.y.z)"));

    m_listenFd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (m_listenFd < 0)
        return fail(QStringLiteral("socket: ") + QString::fromLocal8Bit(std::strerror(errno)));
    const int one = 1;
    ::setsockopt(m_listenFd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_in local {};
    local.sin_family = AF_INET;
    local.sin_port = htons(m_options.port);
    local.sin_addr = address;
    if (::bind(m_listenFd, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0)
        return fail(QStringLiteral("%1:%2: %3").arg(m_options.address).arg(m_options.port).arg(QString::fromLocal8Bit(std::strerror(errno))));
    socklen_t length = sizeof local;
    ::getsockname(m_listenFd, reinterpret_cast<sockaddr*>(&local), &length);
    m_port = ntohs(local.sin_port);

    saveState();
    // A scale that is not listening only holds its port, so that connecting is refused.
    if (m_options.faults.refuse == RefuseMode::NotListening)
        return true;

    if (::listen(m_listenFd, 8) != 0)
        return fail(QStringLiteral("listen: ") + QString::fromLocal8Bit(std::strerror(errno)));
    if (::pipe2(m_wakePipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return fail(QStringLiteral("pipe: ") + QString::fromLocal8Bit(std::strerror(errno)));
    m_thread = std::thread([this] { run(); });
    return true;
}

void ScaleSimulator::stop()
{
    m_stopping = true;
    if (m_thread.joinable()) {
        const char wake = 1;
        [[maybe_unused]] const ssize_t n = ::write(m_wakePipe[1], &wake, 1);
        m_thread.join();
    }
    for (int& fd : { std::ref(m_listenFd), std::ref(m_wakePipe[0]), std::ref(m_wakePipe[1]) }) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

ScaleMemory ScaleSimulator::memory() const
{
    std::lock_guard guard(m_mutex);
    return m_memory;
}

std::vector<std::uint8_t> ScaleSimulator::receivedFrames() const
{
    std::lock_guard guard(m_mutex);
    return m_frames;
}

void ScaleSimulator::run()
{
    while (!m_stopping) {
        if (!waitFor(m_listenFd, POLLIN))
            return;
        const int fd = ::accept4(m_listenFd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0)
            continue;
        ++m_accepted;
        if (m_options.faults.refuse != RefuseMode::AcceptAndClose)
            serve(fd);
        ::close(fd);
    }
}

void ScaleSimulator::serve(int fd)
{
    const SimulatorFaults& faults = m_options.faults;
    int frames = 0;
    for (;;) {
        std::uint8_t header[wire::kHeaderSize];
        if (!readExactly(fd, header, sizeof header))
            return;
        const std::uint32_t length = wire::getU32(header + 4);
        // Without the magic or with an absurd length the stream cannot be followed any further.
        if (header[0] != wire::kMagic0 || header[1] != wire::kMagic1 || length > wire::kMaxPayload)
            return;
        std::vector<std::uint8_t> payload(length);
        if (length > 0 && !readExactly(fd, payload.data(), length))
            return;
        {
            std::lock_guard guard(m_mutex);
            m_frames.push_back(header[3]);
        }
        ++frames;
        if (faults.dropAfterFrames >= 0 && frames > faults.dropAfterFrames)
            return;
        const bool late = frames > faults.replyDelayAfterFrames;
        if (faults.garbageAfterFrames >= 0 && frames > faults.garbageAfterFrames) {
            if (late && !pause())
                return;
            if (!writeAll(fd, kGarbage))
                return;
            continue;
        }
        const std::uint8_t status = handle(header[2], header[3], payload);
        if (late && !pause())
            return;
        if (!writeAll(fd, statusFrame(header[3], status)) || header[3] == wire::Bye)
            return;
    }
}

std::uint8_t ScaleSimulator::handle(std::uint8_t version, std::uint8_t type, const std::vector<std::uint8_t>& payload)
{
    if (version != wire::kVersion)
        return wire::StatusUnsupported;
    std::uint8_t status = wire::StatusOk;
    switch (type) {
    case wire::Hello:
    case wire::Bye:
        return payload.empty() ? wire::StatusOk : wire::StatusMalformed;
    case wire::PluCluster: {
        std::vector<SimPluRecord> records;
        status = RequestDecoder::pluCluster(payload, records);
        if (status != wire::StatusOk)
            return status;
        std::lock_guard guard(m_mutex);
        const int limit = m_options.faults.refuseClusterAfter;
        if (limit >= 0 && m_clustersAccepted >= limit)
            return wire::StatusRefused;
        ++m_clustersAccepted;
        m_memory.storePlus(records);
        break;
    }
    case wire::Hotkey: {
        int table = 0;
        ScaleMemory::HotkeyTable keys {};
        status = RequestDecoder::hotkey(payload, table, keys);
        if (status != wire::StatusOk)
            return status;
        std::lock_guard guard(m_mutex);
        m_memory.storeHotkeys(table, keys);
        break;
    }
    case wire::Message: {
        std::int32_t number = 0;
        QString text;
        status = RequestDecoder::message(payload, number, text);
        if (status != wire::StatusOk)
            return status;
        std::lock_guard guard(m_mutex);
        m_memory.storeMessage(number, text);
        break;
    }
    case wire::ClearPlu: {
        if (!payload.empty())
            return wire::StatusMalformed;
        std::lock_guard guard(m_mutex);
        m_memory.clearPluData();
        break;
    }
    default:
        return wire::StatusUnsupported;
    }
    saveState();
    return status;
}

void ScaleSimulator::saveState()
{
    if (m_options.stateFile.isEmpty())
        return;
    QString error;
    if (!memory().writeTo(m_options.stateFile, &error))
        std::fprintf(stderr, "scale simulator: %s\n", error.toLocal8Bit().constData());
}

bool ScaleSimulator::waitFor(int fd, short events)
{
    for (;;) {
        pollfd p[2] = { { fd, events, 0 }, { m_wakePipe[0], POLLIN, 0 } };
        const int n = ::poll(p, 2, -1);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 || p[1].revents != 0)
            return false;
        return true;
    }
}

bool ScaleSimulator::readExactly(int fd, std::uint8_t* into, std::size_t size)
{
    std::size_t got = 0;
    while (got < size) {
        const ssize_t n = ::recv(fd, into + got, size - got, 0);
        if (n > 0) {
            got += std::size_t(n);
        } else if (n == 0) {
            return false;
        } else if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR) {
            if (!waitFor(fd, POLLIN))
                return false;
        } else {
            return false;
        }
    }
    return true;
}

bool ScaleSimulator::writeAll(int fd, const std::vector<std::uint8_t>& bytes)
{
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n > 0) {
            sent += std::size_t(n);
        } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) {
            if (!waitFor(fd, POLLOUT))
                return false;
        } else {
            return false;
        }
    }
    return true;
}

bool ScaleSimulator::pause()
{
    if (m_options.faults.replyDelayMs <= 0)
        return true;
    pollfd p { m_wakePipe[0], POLLIN, 0 };
    ::poll(&p, 1, m_options.faults.replyDelayMs);
    return !m_stopping;
}

} // namespace mv::sim
