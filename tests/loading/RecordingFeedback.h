#pragma once

#include "store/OperationFeedback.h"

#include <QStringList>

namespace mv::test {

// Keeps what a long operation shows: notices, status texts and the gauge.
class RecordingFeedback : public OperationFeedback {
public:
    void setStatus(const QString& text) override { statuses << text; }
    void notice(const QString& text) override { notices << text; }
    void beginProgress(int maximum) override { gauge << QStringLiteral("begin %1").arg(maximum); ++open; }
    void setProgress(int value) override { gauge << QStringLiteral("set %1").arg(value); }
    void endProgress() override { gauge << QStringLiteral("end"); --open; }

    QStringList statuses;
    QStringList notices;
    QStringList gauge;
    int open = 0; // gauges shown and not yet hidden
};

} // namespace mv::test
