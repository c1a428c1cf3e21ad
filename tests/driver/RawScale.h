#pragma once

#include <QByteArray>
#include <QList>

#include <mutex>
#include <thread>

namespace mv::test {

// A bare scale for byte-level checks: accepts one connection on 127.0.0.9, keeps every
// frame it receives as raw bytes and answers each with an "all well" status frame written
// out byte by byte from the protocol description.
class RawScale {
public:
    RawScale();
    ~RawScale();

    quint16 port() const { return m_port; }
    QList<QByteArray> frames() const;

private:
    void run();

    int m_listenFd = -1;
    quint16 m_port = 0;
    std::thread m_thread;
    mutable std::mutex m_mutex;
    QList<QByteArray> m_frames;
};

// Sends `bytes` to addr:port on a fresh connection and returns what comes back: as soon as
// `expected` bytes have arrived, the peer closes, or `waitMs` have passed.
QByteArray rawExchange(const char* address, quint16 port, const QByteArray& bytes, int expected, int waitMs = 3000);

} // namespace mv::test
