#pragma once

#include <QDateTime>
#include <QString>

#include <functional>

namespace mv {

class Database;

// Writes operation log records: a number from P_LOG, today's date, the time and the text.
// It never commits; the next commit of any writer, or the end of the program, keeps it.
class OperationLog {
public:
    using Clock = std::function<QDateTime()>;
    using Listener = std::function<void(const QString&)>;

    explicit OperationLog(Database& db, Clock clock = {});

    void write(const QString& text);

    // Called after every record written, with its text (an unattended run prints it).
    void setListener(Listener listener) { m_listener = std::move(listener); }

    static constexpr int MaxTextLength = 256;

private:
    Database& m_db;
    Clock m_clock;
    Listener m_listener;
};

} // namespace mv
