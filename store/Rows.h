#pragma once

#include <QList>
#include <QStringList>
#include <QVariant>

namespace mv {

// The rows a statement returned, read to the end.
class Rows {
public:
    Rows() = default;
    Rows(QStringList columns, QList<QVariantList> data)
        : m_columns(std::move(columns)), m_data(std::move(data)) {}

    int count() const { return int(m_data.size()); }
    bool isEmpty() const { return m_data.isEmpty(); }
    const QStringList& columns() const { return m_columns; }
    int column(const QString& name) const { return int(m_columns.indexOf(name.toUpper())); }

    const QVariantList& row(int r) const { return m_data.at(r); }
    QVariant value(int r, int c) const { return m_data.at(r).value(c); }
    QVariant value(int r, const QString& name) const { return value(r, column(name)); }
    // Text of a cell as a user sees it: null is the empty text.
    QString text(int r, const QString& name) const;
    // First field of the first row: what counting queries return.
    QVariant scalar() const { return isEmpty() ? QVariant() : value(0, 0); }

    const QList<QVariantList>& data() const { return m_data; }

    // Rows an insert, update or delete changed.
    int affectedRows() const { return m_affected; }
    static Rows affected(int count)
    {
        Rows rows;
        rows.m_affected = count;
        return rows;
    }

private:
    QStringList m_columns;
    QList<QVariantList> m_data;
    int m_affected = 0;
};

} // namespace mv
