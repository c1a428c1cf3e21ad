#include "tests/driver/RawScale.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>

namespace mv::test {

namespace {

bool readExactly(int fd, char* into, int size)
{
    int got = 0;
    while (got < size) {
        const ssize_t n = ::recv(fd, into + got, std::size_t(size - got), 0);
        if (n <= 0)
            return false;
        got += int(n);
    }
    return true;
}

sockaddr_in loopback(const char* address, quint16 port)
{
    sockaddr_in a {};
    a.sin_family = AF_INET;
    a.sin_port = htons(port);
    ::inet_pton(AF_INET, address, &a.sin_addr);
    return a;
}

} // namespace

RawScale::RawScale()
{
    m_listenFd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in a = loopback("127.0.0.9", 0);
    ::bind(m_listenFd, reinterpret_cast<sockaddr*>(&a), sizeof a);
    socklen_t length = sizeof a;
    ::getsockname(m_listenFd, reinterpret_cast<sockaddr*>(&a), &length);
    m_port = ntohs(a.sin_port);
    ::listen(m_listenFd, 1);
    m_thread = std::thread([this] { run(); });
}

RawScale::~RawScale()
{
    ::shutdown(m_listenFd, SHUT_RDWR); // wakes a pending accept
    m_thread.join();
    ::close(m_listenFd);
}

QList<QByteArray> RawScale::frames() const
{
    std::lock_guard guard(m_mutex);
    return m_frames;
}

void RawScale::run()
{
    const int fd = ::accept(m_listenFd, nullptr, nullptr);
    if (fd < 0)
        return;
    for (;;) {
        QByteArray frame(8, '\0');
        if (!readExactly(fd, frame.data(), 8))
            break;
        const auto* h = reinterpret_cast<const unsigned char*>(frame.constData());
        const int length = int(h[4] | (h[5] << 8) | (h[6] << 16) | (h[7] << 24));
        frame.resize(8 + length);
        if (length > 0 && !readExactly(fd, frame.data() + 8, length))
            break;
        {
            std::lock_guard guard(m_mutex);
            m_frames << frame;
        }
        // 'M' 'V', version 1, type 0x81, length 4; the type answered, status 0, two zero bytes.
        const char status[12] = { 'M', 'V', 1, char(0x81), 4, 0, 0, 0, char(h[3]), 0, 0, 0 };
        ::send(fd, status, sizeof status, MSG_NOSIGNAL);
        if (h[3] == 0x06)
            break;
    }
    ::close(fd);
}

QByteArray rawExchange(const char* address, quint16 port, const QByteArray& bytes, int expected, int waitMs)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in a = loopback(address, port);
    QByteArray reply;
    if (::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0) {
        ::send(fd, bytes.constData(), std::size_t(bytes.size()), MSG_NOSIGNAL);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
        while (reply.size() < expected) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()).count();
            pollfd p { fd, POLLIN, 0 };
            if (left <= 0 || ::poll(&p, 1, int(left)) <= 0)
                break;
            char buffer[512];
            const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
            if (n <= 0)
                break;
            reply.append(buffer, qsizetype(n));
        }
    }
    ::close(fd);
    return reply;
}

} // namespace mv::test
