#pragma once

#include "screens/ScaleRecords.h"

#include <QAbstractTableModel>
#include <QList>

namespace mv {

// The rows of the scale list grid: "Durum", "Terazi IP", "Terazi Adı",
// "Veri Çekme Zamanı", then the hidden DURUM and ID.
class ScaleListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Drm, TrzIp, TrzAdi, VeriZamani, Durum, Id, ColumnCount };

    explicit ScaleListModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    void setScales(QList<ScaleRow> scales);
    const ScaleRow& scale(int row) const { return m_scales.at(row); }

    // The DRM text: "Aktif" for DURUM "0", "Pasif" for anything else.
    static QString stateName(const QString& state);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QList<ScaleRow> m_scales;
};

} // namespace mv
