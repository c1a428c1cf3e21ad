#pragma once

#include <QString>

namespace mv::sim {

// How a simulated scale turns a caller away.
enum class RefuseMode {
    None,
    AcceptAndClose, // takes the TCP connection and closes it at once
    NotListening,   // holds the port without listening: connecting is refused by the system
};

// Misbehaviour on request, to see how the driver and its callers cope. -1 switches a count off.
struct SimulatorFaults {
    RefuseMode refuse = RefuseMode::None;
    // Pause before every answer to a frame after the first `replyDelayAfterFrames` frames
    // of a connection (0: every answer, the greeting's too).
    int replyDelayMs = 0;
    int replyDelayAfterFrames = 0;
    // After this many accepted PLU clusters (since start) every further cluster is refused
    // with a refusal status, as by a scale whose memory is full.
    int refuseClusterAfter = -1;
    // Answers this many frames of a connection, then closes it when the next one arrives.
    int dropAfterFrames = -1;
    // Answers this many frames of a connection properly, then answers with bytes that are no frame.
    int garbageAfterFrames = -1;
};

struct SimulatorOptions {
    // A loopback address (127.x.y.z); every simulated scale may have its own.
    QString address = QStringLiteral("127.0.0.2");
    // 0 takes any free port; ScaleSimulator::port() tells which.
    quint16 port = 0;
    // JSON image of the scale's memory, rewritten after every change; empty for none.
    QString stateFile;
    SimulatorFaults faults;
};

} // namespace mv::sim
