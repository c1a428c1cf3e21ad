#include "tests/e2e/ScaleRack.h"

#include "tools/scale-sim/SystemCfg.h"

#include <stdexcept>

namespace mv::test {

ScaleRack::ScaleRack(const QStringList& ips, const QStringList& down, int replyDelayMs) : m_ips(ips)
{
    // The first scale takes a free port; the others join it on their own addresses. A
    // port that is free on one address may be taken on another, so try a few.
    for (int attempt = 0; attempt < 10 && m_scales.empty(); ++attempt) {
        std::vector<std::unique_ptr<sim::ScaleSimulator>> scales;
        quint16 port = 0;
        bool ok = true;
        for (const QString& ip : ips) {
            sim::SimulatorOptions options;
            options.address = ip;
            options.port = port;
            options.faults.replyDelayMs = replyDelayMs;
            if (down.contains(ip))
                options.faults.refuse = sim::RefuseMode::NotListening;
            auto scale = std::make_unique<sim::ScaleSimulator>(options);
            if (!scale->start()) {
                ok = false;
                break;
            }
            port = scale->port();
            scales.push_back(std::move(scale));
        }
        if (ok) {
            m_scales = std::move(scales);
            m_port = port;
        }
    }
    if (m_scales.empty())
        throw std::runtime_error("no common free port for the simulated scales");
}

sim::ScaleMemory ScaleRack::memory(const QString& ip) const
{
    return m_scales.at(size_t(m_ips.indexOf(ip)))->memory();
}

void ScaleRack::writeSystemCfg(const QString& folder) const
{
    if (!sim::writeSystemCfg(folder + QStringLiteral("/system.cfg"), m_port))
        throw std::runtime_error("cannot write system.cfg");
}

} // namespace mv::test
