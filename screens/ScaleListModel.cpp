#include "screens/ScaleListModel.h"

namespace mv {

void ScaleListModel::setScales(QList<ScaleRow> scales)
{
    beginResetModel();
    m_scales = std::move(scales);
    endResetModel();
}

QString ScaleListModel::stateName(const QString& state)
{
    return state == QLatin1String("0") ? QStringLiteral("Aktif") : QStringLiteral("Pasif");
}

int ScaleListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_scales.size());
}

int ScaleListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ScaleListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_scales.size())
        return {};
    const ScaleRow& s = m_scales.at(index.row());
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case Drm: return stateName(s.state);
    case TrzIp: return s.ip;
    case TrzAdi: return s.name;
    case VeriZamani: return s.dataTime;
    case Durum: return s.state;
    case Id: return s.id;
    default: return {};
    }
}

QVariant ScaleListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return QString();
    switch (section) {
    case Drm: return QStringLiteral("Durum");
    case TrzIp: return QStringLiteral("Terazi IP");
    case TrzAdi: return QStringLiteral("Terazi Adı");
    case VeriZamani: return QStringLiteral("Veri Çekme Zamanı");
    case Durum: return QStringLiteral("DURUM");
    case Id: return QStringLiteral("ID");
    default: return {};
    }
}

} // namespace mv
