#include "scale/ProductLoader.h"

#include "scale/ScaleDriver.h"
#include "settings/Cp1254.h"
#include "store/OperationFeedback.h"
#include "store/OperationLog.h"

#include <QtGlobal>

namespace mv {

ProductLoader::ProductLoader(ScaleDriver& driver, OperationLog& log, OperationFeedback& feedback, QChar separator)
    : m_driver(driver), m_log(log), m_feedback(feedback), m_separator(separator)
{
}

QString ProductLoader::loadedText(const QString& ip, int count, Mode mode)
{
    const QString middle = mode == Mode::Manual ? QStringLiteral(" IP Numaralı Teraziye ")
                                                : QStringLiteral(" IP Numaralı Teraziye Otomatik Modda ");
    return ip + middle + QString::number(count) + QStringLiteral(" Adet Ürün Bilgisi Yüklendi.");
}

QString ProductLoader::unreachableNotice(const QString& ip)
{
    return ip + QLatin1Char('\r') + QStringLiteral("IP Numaralı Terazi ile iletişim kurulamadı..");
}

QString ProductLoader::unreachableText(const QString& ip)
{
    return ip + QStringLiteral(" IP Numaralı Terazi ile iletişim kurulamadı.");
}

ProductLoader::Outcome ProductLoader::loadScale(const QString& ip, const QList<ProductRow>& rows, Mode mode)
{
    const QByteArray address = toCp1254(ip);
    if (m_driver.connect(ScaleDriver::lfzkPath(), ScaleDriver::systemCfgPath(), address) < 0) {
        if (mode == Mode::Manual) {
            m_feedback.notice(unreachableNotice(ip));
        } else {
            const QString text = unreachableText(ip);
            m_log.write(text);
            m_feedback.setStatus(text);
        }
        return Outcome::Unreachable;
    }

    const int count = int(rows.size());
    bool gaugeShown = true;
    m_feedback.beginProgress(qMax(0, count - 1));
    try {
        for (int r = 0; r < count; ++r) {
            m_record.assign(rows.at(r), m_separator);
            const QByteArray& cluster = m_cluster.build(m_record);
            m_feedback.setProgress(r);
            if (m_driver.transferPluCluster(cluster) < 0) {
                gaugeShown = false;
                m_feedback.endProgress();
                m_driver.disconnect(address);
                return Outcome::TransferFailed;
            }
        }
        gaugeShown = false;
        m_feedback.endProgress();
        const QString text = loadedText(ip, count, mode);
        m_log.write(text);
        m_feedback.setStatus(text);
    } catch (...) {
        // Never leave the scale connected or the wait cursor up behind an error.
        if (gaugeShown)
            m_feedback.endProgress();
        m_driver.disconnect(address);
        throw;
    }
    m_driver.disconnect(address);
    return Outcome::Loaded;
}

QList<ProductLoader::Outcome> ProductLoader::loadScales(const QStringList& ips, const QList<ProductRow>& rows, Mode mode)
{
    QList<Outcome> outcomes;
    outcomes.reserve(ips.size());
    for (const QString& ip : ips)
        outcomes << loadScale(ip, rows, mode);
    return outcomes;
}

} // namespace mv
