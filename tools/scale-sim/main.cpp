// morvanta-scale-sim: a label-printing scale on a loopback address, for tests, demos and
// training. Runs until SIGTERM or SIGINT.

#include "tools/scale-sim/ScaleSimulator.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <pthread.h>
#include <string>

namespace {

constexpr quint16 kDefaultPort = 5500; // the driver's default as well

void usage(FILE* to)
{
    std::fputs("usage: morvanta-scale-sim [--listen 127.0.0.2] [--port 5500] [--state FILE]\n"
               "                          [--reply-delay MS [--reply-delay-after-frames N]]\n"
               "                          [--refuse accept-close|no-listen]\n"
               "                          [--refuse-cluster-after N] [--drop-after-frames N]\n"
               "                          [--garbage-after-frames N]\n"
               "  --listen ADDR              loopback address of this scale (127.x.y.z)\n"
               "  --port P                   TCP port; 0 takes a free one (printed at start)\n"
               "  --state FILE               JSON image of the scale's memory, rewritten after every change\n"
               "  --reply-delay MS           pause before every answer\n"
               "  --reply-delay-after-frames N  ... but answer the first N frames of a connection at once\n"
               "  --refuse MODE              accept-close: close every connection at once;\n"
               "                             no-listen: hold the port without listening\n"
               "  --refuse-cluster-after N   refuse every PLU cluster after the first N\n"
               "  --drop-after-frames N      close a connection when its frame N+1 arrives\n"
               "  --garbage-after-frames N   answer frames after the first N of a connection with garbage\n",
               to);
}

bool number(const char* text, long low, long high, int& out)
{
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text, &end, 10);
    if (errno != 0 || !end || *end != 0 || end == text || value < low || value > high)
        return false;
    out = int(value);
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    mv::sim::SimulatorOptions options;
    options.port = kDefaultPort;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            usage(stdout);
            return 0;
        }
        if (i + 1 >= argc) {
            std::fprintf(stderr, "morvanta-scale-sim: %s needs a value\n", arg.c_str());
            usage(stderr);
            return 2;
        }
        const char* value = argv[++i];
        int n = 0;
        bool ok = true;
        if (arg == "--listen") {
            options.address = QString::fromLocal8Bit(value);
        } else if (arg == "--port") {
            ok = number(value, 0, 65535, n);
            options.port = quint16(n);
        } else if (arg == "--state") {
            options.stateFile = QString::fromLocal8Bit(value);
        } else if (arg == "--reply-delay") {
            ok = number(value, 0, 3600000, options.faults.replyDelayMs);
        } else if (arg == "--reply-delay-after-frames") {
            ok = number(value, 0, 1L << 30, options.faults.replyDelayAfterFrames);
        } else if (arg == "--refuse") {
            if (std::strcmp(value, "accept-close") == 0)
                options.faults.refuse = mv::sim::RefuseMode::AcceptAndClose;
            else if (std::strcmp(value, "no-listen") == 0)
                options.faults.refuse = mv::sim::RefuseMode::NotListening;
            else
                ok = false;
        } else if (arg == "--refuse-cluster-after") {
            ok = number(value, 0, 1L << 30, options.faults.refuseClusterAfter);
        } else if (arg == "--drop-after-frames") {
            ok = number(value, 0, 1L << 30, options.faults.dropAfterFrames);
        } else if (arg == "--garbage-after-frames") {
            ok = number(value, 0, 1L << 30, options.faults.garbageAfterFrames);
        } else {
            std::fprintf(stderr, "morvanta-scale-sim: unknown option %s\n", arg.c_str());
            usage(stderr);
            return 2;
        }
        if (!ok) {
            std::fprintf(stderr, "morvanta-scale-sim: bad value for %s: %s\n", arg.c_str(), value);
            return 2;
        }
    }

    // The signals are taken by sigwait below; the serving thread inherits the blocked mask.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    mv::sim::ScaleSimulator simulator(options);
    QString error;
    if (!simulator.start(&error)) {
        std::fprintf(stderr, "morvanta-scale-sim: %s\n", error.toLocal8Bit().constData());
        return 1;
    }
    std::printf("morvanta-scale-sim: listening on %s:%u\n", options.address.toLocal8Bit().constData(), unsigned(simulator.port()));
    std::fflush(stdout);

    int received = 0;
    sigwait(&stopSignals, &received);
    simulator.stop();
    std::printf("morvanta-scale-sim: stopped\n");
    return 0;
}
