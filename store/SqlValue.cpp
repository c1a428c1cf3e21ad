#include "store/SqlValue.h"

#include "store/DbError.h"

#include <QRegularExpression>

namespace mv::sqlvalue {

namespace {

DbError conversionError(const QString& text)
{
    return DbError(QStringLiteral("conversion error from string \"%1\"").arg(text));
}

} // namespace

QVariant integer(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("^[+-]?\\d+$"));
    const QString t = text.trimmed();
    if (!form.match(t).hasMatch())
        throw conversionError(text);
    bool ok = false;
    const qlonglong v = t.toLongLong(&ok);
    if (!ok || v < INT32_MIN || v > INT32_MAX)
        throw DbError(QStringLiteral("arithmetic exception, numeric overflow, or string truncation: \"%1\"").arg(text));
    return QVariant(int(v));
}

QVariant decimal(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("^[+-]?(\\d+(\\.\\d*)?|\\.\\d+)$"));
    const QString t = text.trimmed();
    if (!form.match(t).hasMatch())
        throw conversionError(text);
    bool ok = false;
    const double v = t.toDouble(&ok);
    // NUMERIC(18,4): at most 14 digits before the point.
    if (!ok || v >= 1e14 || v <= -1e14)
        throw DbError(QStringLiteral("arithmetic exception, numeric overflow, or string truncation: \"%1\"").arg(text));
    return QVariant(v);
}

QVariant optionalInteger(const QString& text)
{
    if (text.trimmed().isEmpty())
        return QVariant(QMetaType::fromType<int>());
    return integer(text);
}

} // namespace mv::sqlvalue
