#pragma once

#include <QString>
#include <QStringList>

namespace mv {

// What the other windows ask of the main window.
class MainShell {
public:
    // Status bar panels other windows write.
    enum Panel { ScaleCount = 2, ProductCount = 4, LastOperation = 6 };

    virtual ~MainShell() = default;

    virtual void setStatusText(int panel, const QString& text) = 0;
    virtual QString statusText(int panel) const = 0;

    // The target scale list: the IPs that loading walks through, in order.
    virtual QStringList targetScales() const = 0;
    virtual void setTargetScales(const QStringList& ips) = 0;
    // Refills the target scale list with every active scale, in TRZIP order.
    virtual void refillTargetScales() = 0;
};

} // namespace mv
