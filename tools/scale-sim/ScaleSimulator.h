#pragma once

#include "tools/scale-sim/ScaleMemory.h"
#include "tools/scale-sim/SimulatorOptions.h"

#include <QString>

#include <atomic>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

namespace mv::sim {

// A label-printing scale on a loopback address, served by a background thread.
// It answers one connection at a time, keeps its memory in a ScaleMemory and rewrites the
// state file after every change. Every answer is sent after the memory (and the file) is
// updated, so a caller whose driver call has returned can read the memory at once.
class ScaleSimulator {
public:
    explicit ScaleSimulator(SimulatorOptions options = {});
    ~ScaleSimulator();
    ScaleSimulator(const ScaleSimulator&) = delete;
    ScaleSimulator& operator=(const ScaleSimulator&) = delete;

    // Binds (and, unless told not to, listens and starts serving). False with a reason in
    // `error` when the address is not loopback or the port cannot be bound.
    bool start(QString* error = nullptr);
    // Closes the port and any open connection, and waits for the thread. Safe to call twice.
    void stop();
    bool isRunning() const { return m_listenFd >= 0; }

    QString address() const { return m_options.address; }
    // The bound port (the chosen one when the options asked for 0).
    quint16 port() const { return m_port; }

    // A copy of the scale's memory at this moment.
    ScaleMemory memory() const;
    // The type byte of every frame received so far, in order, whatever became of it.
    std::vector<std::uint8_t> receivedFrames() const;
    int acceptedConnections() const { return m_accepted.load(); }

private:
    void run();
    // Serves one connection until it ends or the simulator stops.
    void serve(int fd);
    // Applies one request to the memory; returns the status to answer.
    std::uint8_t handle(std::uint8_t version, std::uint8_t type, const std::vector<std::uint8_t>& payload);
    // Waits for `events` on fd or for stop; false on stop (or poll failure).
    bool waitFor(int fd, short events);
    bool readExactly(int fd, std::uint8_t* into, std::size_t size);
    bool writeAll(int fd, const std::vector<std::uint8_t>& bytes);
    // Pauses for the reply delay; false when the simulator is stopping.
    bool pause();
    void saveState();

    SimulatorOptions m_options;
    quint16 m_port = 0;
    int m_listenFd = -1;
    int m_wakePipe[2] = { -1, -1 };
    std::thread m_thread;
    std::atomic<int> m_accepted { 0 };
    std::atomic<bool> m_stopping { false };

    mutable std::mutex m_mutex;
    ScaleMemory m_memory;
    std::vector<std::uint8_t> m_frames;
    int m_clustersAccepted = 0;
};

} // namespace mv::sim
