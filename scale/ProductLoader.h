#pragma once

#include "scale/PluCluster.h"
#include "scale/PluRecord.h"
#include "scale/ProductRow.h"

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

namespace mv {

class OperationFeedback;
class OperationLog;
class ScaleDriver;

// Sends products into the scales, one scale after the other: connect, one PLU cluster
// per product, a log record and the status text, disconnect.
//
// Manual loading (from the product list) reports an unreachable scale in the notice
// box; automatic loading (the unattended cycle) writes it to the log and the status
// text instead. A failed transfer stops that scale silently and the next one is
// tried. A product value that cannot be converted ends the whole loading: the loader
// hides the gauge, disconnects from the scale at hand and lets the ConversionError go
// on to the caller; the scales after it are not loaded. Any other error on the way
// (the log record) leaves the scale disconnected in the same way.
class ProductLoader {
public:
    enum class Mode { Manual, Automatic };
    enum class Outcome { Loaded, Unreachable, TransferFailed };

    // `separator` is the decimal separator of the price setting, the one the product
    // rows' price and tare texts are written with (ProductRow::fromRows).
    ProductLoader(ScaleDriver& driver, OperationLog& log, OperationFeedback& feedback, QChar separator);

    // Loads `rows` in their order into the scale at `ip`.
    Outcome loadScale(const QString& ip, const QList<ProductRow>& rows, Mode mode);
    // Loads `rows` into every scale of `ips`, first to last; the outcome per scale.
    QList<Outcome> loadScales(const QStringList& ips, const QList<ProductRow>& rows, Mode mode);

    // What the product list asks before a manual loading.
    static QString question() { return QStringLiteral("Aktif Terazilere Ürün Bilgileri Yüklensin mi?"); }
    // Log record and status text of a loaded scale.
    static QString loadedText(const QString& ip, int count, Mode mode);
    // Notice of an unreachable scale in manual mode.
    static QString unreachableNotice(const QString& ip);
    // Log record and status text of an unreachable scale in automatic mode.
    static QString unreachableText(const QString& ip);

private:
    ScaleDriver& m_driver;
    OperationLog& m_log;
    OperationFeedback& m_feedback;
    QChar m_separator;
    PluRecord m_record;
    PluCluster m_cluster;
};

} // namespace mv
