#pragma once

#include <QObject>

class QSocketNotifier;

namespace mv {

// Turns SIGTERM, SIGINT and SIGHUP into an orderly end of the event loop, so the open
// transaction is committed as on any normal end.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

Q_SIGNALS:
    void terminationRequested(int signal);

private:
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace mv
