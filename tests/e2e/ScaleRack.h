#pragma once

#include "tools/scale-sim/ScaleSimulator.h"

#include <QStringList>

#include <memory>
#include <vector>

namespace mv::test {

// Simulated scales on 127.0.0.2, 127.0.0.3, … sharing one free port, as a shop's scales
// share the driver's port. Scales named in `down` refuse every connection.
class ScaleRack {
public:
    ScaleRack(const QStringList& ips, const QStringList& down = {}, int replyDelayMs = 0);

    quint16 port() const { return m_port; }
    sim::ScaleMemory memory(const QString& ip) const;
    // Writes system.cfg with the rack's port into `folder`.
    void writeSystemCfg(const QString& folder) const;

private:
    quint16 m_port = 0;
    QStringList m_ips;
    std::vector<std::unique_ptr<sim::ScaleSimulator>> m_scales;
};

} // namespace mv::test
