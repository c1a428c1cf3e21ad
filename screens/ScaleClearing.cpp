#include "screens/ScaleClearing.h"

#include "scale/ScaleDriver.h"
#include "screens/ActionGuard.h"
#include "screens/Dialogs.h"

#include <QApplication>

#include <optional>

namespace mv {

namespace {

// The wait cursor while the driver works; gone however the work ends.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// The connection is closed however the work after connecting ends.
class OpenConnection {
public:
    OpenConnection(ScaleDriver& driver, QByteArray ip) : m_driver(driver), m_ip(std::move(ip)) {}
    ~OpenConnection()
    {
        WaitCursor wait;
        m_driver.disconnect(m_ip);
    }
    OpenConnection(const OpenConnection&) = delete;
    OpenConnection& operator=(const OpenConnection&) = delete;

private:
    ScaleDriver& m_driver;
    QByteArray m_ip;
};

} // namespace

QString ScaleClearing::questionText(const QString& ip)
{
    return ip + QLatin1Char('\r') + QStringLiteral("IP Numaralı Teraziye yüklü PLU bilgileri silinsin mi?");
}

QString ScaleClearing::unreachableText(const QString& ip)
{
    return ip + QLatin1Char('\r') + QStringLiteral("IP Numaralı Terazi ile iletişim kurulamadı..");
}

QString ScaleClearing::clearedText(const QString& ip)
{
    return ip + QLatin1Char('\r') + QStringLiteral("IP Numaralı Teraziye Yüklü PLU ve Kısayol Bilgileri Silindi.");
}

bool ScaleClearing::run(const QString& ip)
{
    if (!m_dialogs.ask(m_parent, questionText(ip)))
        return false;

    const QByteArray address = ip.toLatin1();
    std::optional<ActionGuard::BusyHold> busy;
    if (m_guard)
        busy.emplace(*m_guard);
    int connected = 0;
    {
        WaitCursor wait;
        connected = m_driver.connect(ScaleDriver::lfzkPath(), ScaleDriver::systemCfgPath(), address);
    }
    if (connected < 0) {
        m_dialogs.notice(m_parent, unreachableText(ip));
        return false;
    }

    OpenConnection connection(m_driver, address);
    {
        WaitCursor wait;
        m_driver.clearPluData(address);
    }
    // The box is shown without the wait cursor; the connection closes after it.
    m_dialogs.notice(m_parent, clearedText(ip));
    return true;
}

} // namespace mv
