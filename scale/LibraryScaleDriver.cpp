#include "scale/LibraryScaleDriver.h"

#include "scale/driver/PBusDrv.h"

#include <QDir>
#include <QFileInfo>

namespace mv {

LibraryScaleDriver::~LibraryScaleDriver()
{
    // The library stays mapped: a driver may still hold a socket it closes at exit.
    forget();
}

QString LibraryScaleDriver::libraryFileName()
{
#ifdef Q_OS_WIN
    return QStringLiteral("PBusDrv.dll");
#else
    return QStringLiteral("libPBusDrv.so");
#endif
}

bool LibraryScaleDriver::load(const QStringList& folders)
{
    if (isLoaded())
        return true;
    QStringList problems;
    for (const QString& folder : folders) {
        const QString path = QDir(folder).absoluteFilePath(libraryFileName());
        if (!QFileInfo::exists(path)) {
            problems << path + QStringLiteral(": dosya yok");
            continue;
        }
        m_library.setFileName(path);
        if (!m_library.load()) {
            problems << m_library.errorString();
            continue;
        }
        m_connect = reinterpret_cast<ConnectFn>(m_library.resolve("PBusConnectEx"));
        m_disconnect = reinterpret_cast<IpFn>(m_library.resolve("PBusDisConnectEx"));
        m_cluster = reinterpret_cast<ClusterFn>(m_library.resolve("PBusTransferPLUCluster"));
        m_hotkey = reinterpret_cast<HotkeyFn>(m_library.resolve("PBusTransferHotkey"));
        m_message = reinterpret_cast<MessageFn>(m_library.resolve("PBusTransferMessage"));
        m_clear = reinterpret_cast<IpFn>(m_library.resolve("PBusClearPLUData"));
        if (m_connect && m_disconnect && m_cluster && m_hotkey && m_message && m_clear) {
            m_error.clear();
            return true;
        }
        problems << path + QStringLiteral(": sürücü fonksiyonları eksik");
        forget();
        m_library.unload();
    }
    if (problems.isEmpty())
        problems << QStringLiteral("Sürücü kütüphanesi için klasör verilmedi.");
    m_error = problems.join(QLatin1Char('\n'));
    return false;
}

void LibraryScaleDriver::forget()
{
    m_connect = nullptr;
    m_disconnect = nullptr;
    m_cluster = nullptr;
    m_hotkey = nullptr;
    m_message = nullptr;
    m_clear = nullptr;
}

int LibraryScaleDriver::connect(const QByteArray& lfzkPath, const QByteArray& systemCfgPath, const QByteArray& ip)
{
    return m_connect ? m_connect(lfzkPath.constData(), systemCfgPath.constData(), ip.constData()) : NotLoaded;
}

int LibraryScaleDriver::disconnect(const QByteArray& ip)
{
    return m_disconnect ? m_disconnect(ip.constData()) : NotLoaded;
}

int LibraryScaleDriver::transferPluCluster(const QByteArray& cluster)
{
    if (!m_cluster)
        return NotLoaded;
    if (cluster.size() < PBUS_PLU_CLUSTER_SIZE)
        return PBUS_E_BAD_ARGUMENT;
    // A QByteArray always ends in a zero byte, so a text that starts inside the buffer
    // cannot lead the driver past its end.
    const auto* bytes = reinterpret_cast<const unsigned char*>(cluster.constData());
    for (int slot = 0; slot < 4; ++slot) {
        for (const int field : { 0, 8 }) {
            const unsigned char* p = bytes + slot * PBUS_PLU_RECORD_SIZE + field;
            const quint32 offset = quint32(p[0]) | (quint32(p[1]) << 8) | (quint32(p[2]) << 16) | (quint32(p[3]) << 24);
            if (offset < quint32(PBUS_PLU_CLUSTER_SIZE) || offset >= quint32(cluster.size()))
                return PBUS_E_BAD_ARGUMENT;
        }
    }
    return m_cluster(cluster.constData());
}

int LibraryScaleDriver::transferHotkey(const HotkeyBlock& block, int table)
{
    return m_hotkey ? m_hotkey(block.data(), table) : NotLoaded;
}

int LibraryScaleDriver::transferMessage(int number, const QByteArray& text)
{
    if (!m_message)
        return NotLoaded;
    // The driver stops at the terminating zero a QByteArray always carries.
    return m_message(number, text.constData(), std::int32_t(text.size()));
}

int LibraryScaleDriver::clearPluData(const QByteArray& ip)
{
    return m_clear ? m_clear(ip.constData()) : NotLoaded;
}

} // namespace mv
