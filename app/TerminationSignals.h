#pragma once

#include <QObject>

class QSocketNotifier;

namespace mv {

// SIGTERM, SIGINT and SIGHUP as an orderly end of the event loop, so the open
// transaction is committed as on any normal end.
//
// The database engine reacts to these signals by shutting its connections down at
// once, before the program could commit. blockTerminationSignals() must therefore run
// first thing in main(), before any thread exists: the signals stay blocked in every
// thread and arrive here only, read from a signal descriptor on the main thread.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    static void blockTerminationSignals();

    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

    // A signal that arrived while no event loop ran, taken from the descriptor; 0 when
    // none did. Long work without an event loop asks this between its steps.
    int takePending();

Q_SIGNALS:
    void terminationRequested(int signal);

private:
    int m_fd = -1;
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace mv
