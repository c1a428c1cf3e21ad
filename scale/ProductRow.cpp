#include "scale/ProductRow.h"

#include "scale/LabelCodes.h"
#include "store/Database.h"
#include "store/Rows.h"

namespace mv {

namespace {

QString cell(const Rows& rows, int r, const char* column)
{
    return rows.text(r, QLatin1String(column)).trimmed();
}

} // namespace

QString ProductRow::decimalText(const QVariant& value, QChar separator)
{
    if (value.isNull())
        return {};
    QString text;
    const int type = value.metaType().id();
    if (type == QMetaType::Double || type == QMetaType::Float)
        text = QString::number(value.toDouble(), 'f', 4); // the column keeps four decimals
    else
        text = value.toString().trimmed();

    const qsizetype point = text.indexOf(QLatin1Char('.'));
    if (point >= 0) {
        qsizetype end = text.size();
        while (end > point + 1 && text.at(end - 1) == QLatin1Char('0'))
            --end;
        if (end == point + 1)
            end = point;
        text.truncate(end);
        if (point < text.size())
            text[point] = separator;
    }
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");
    return text;
}

void ProductRow::calculate()
{
    if (urtip == QLatin1String("4"))
        uruntip = weighedText();
    else if (urtip == QLatin1String("10"))
        uruntip = countedText();
    else
        uruntip.clear();
    degisim = degisti == QLatin1String("E") ? changedText() : QString();
    etno = LabelCodes::bitPatternText(etiketno);
}

ProductRow ProductRow::fromRows(const Rows& rows, int r, QChar separator)
{
    ProductRow p;
    p.plukodu = cell(rows, r, "PLUKODU");
    p.barkodu = cell(rows, r, "BARKODU");
    p.dept = cell(rows, r, "DEPT");
    p.pluadi = cell(rows, r, "PLUADI");
    p.fiyat = decimalText(rows.value(r, QStringLiteral("FIYAT")), separator);
    p.urtip = cell(rows, r, "URTIP");
    p.bartip = cell(rows, r, "BARTIP");
    p.dara = decimalText(rows.value(r, QStringLiteral("DARA")), separator);
    p.rafomru = cell(rows, r, "RAFOMRU");
    p.mesaj1 = cell(rows, r, "MESAJ1");
    p.etiketno = cell(rows, r, "ETIKETNO");
    p.degisti = cell(rows, r, "DEGISTI");
    p.calculate();
    return p;
}

QList<ProductRow> ProductRow::fromRows(const Rows& rows, QChar separator)
{
    QList<ProductRow> list;
    list.reserve(rows.count());
    for (int r = 0; r < rows.count(); ++r)
        list << fromRows(rows, r, separator);
    return list;
}

QList<ProductRow> ProductRow::readAll(Database& db, QChar separator)
{
    return fromRows(db.run(QStringLiteral("SELECT * FROM PLUTBL")), separator);
}

} // namespace mv
