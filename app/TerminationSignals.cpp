#include "app/TerminationSignals.h"

#include <QSocketNotifier>

#include <csignal>
#include <sys/signalfd.h>
#include <unistd.h>

namespace mv {

namespace {

sigset_t terminationSet()
{
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGHUP);
    return set;
}

} // namespace

void TerminationSignals::blockTerminationSignals()
{
    const sigset_t set = terminationSet();
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent)
{
    const sigset_t set = terminationSet();
    m_fd = signalfd(-1, &set, SFD_NONBLOCK | SFD_CLOEXEC);
    if (m_fd < 0)
        return;
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        signalfd_siginfo info{};
        while (::read(m_fd, &info, sizeof info) == sizeof info)
            Q_EMIT terminationRequested(int(info.ssi_signo));
    });
}

int TerminationSignals::takePending()
{
    if (m_fd < 0)
        return 0;
    signalfd_siginfo info{};
    if (::read(m_fd, &info, sizeof info) == sizeof info)
        return int(info.ssi_signo);
    return 0;
}

TerminationSignals::~TerminationSignals()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

} // namespace mv
