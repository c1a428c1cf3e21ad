#include "store/OperationLog.h"

#include "store/Database.h"

namespace mv {

OperationLog::OperationLog(Database& db, Clock clock) : m_db(db), m_clock(std::move(clock))
{
    if (!m_clock)
        m_clock = [] { return QDateTime::currentDateTime(); };
}

void OperationLog::write(const QString& text)
{
    const QString number = m_db.executeProcedure(QStringLiteral("P_LOG"));
    const QDateTime now = m_clock();
    const QTime time(now.time().hour(), now.time().minute(), now.time().second());
    // A long text (an export's file name) is cut rather than refused: the work it
    // reports is already done and must not fail on its record.
    const QString stored = text.left(MaxTextLength);
    m_db.run(QStringLiteral("INSERT INTO LOGTBL VALUES(?,?,?,?)"),
             {number, now.date(), time, stored});
    if (m_listener)
        m_listener(stored);
}

} // namespace mv
