#include "import/LineCutter.h"

#include "import/ImportError.h"
#include "import/NumberText.h"

namespace mv {

namespace {

const QString kComplete = QStringLiteral("H");
const QString kIncomplete = QStringLiteral("E");

// Blanks and control characters around a text removed.
QString trimBlanks(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= ' ')
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= ' ')
        --end;
    if (begin == 0 && end == text.size())
        return text;
    return text.mid(begin, end - begin);
}

// `length` characters from character `start` (from 1). A start before the first
// character counts as 1; what lies beyond the end of the text is left out.
QString part(const QString& text, int start, int length)
{
    if (start < 1)
        start = 1;
    if (length <= 0 || start > text.size())
        return {};
    return text.mid(start - 1, length);
}

QString lineText(int lineNumber)
{
    return QStringLiteral("Dış veri dosyasının %1. satırı").arg(lineNumber);
}

} // namespace

LineCutter::LineCutter(const ImportLayout& layout) : m_layout(layout) {}

void LineCutter::cutAll(ImportStores& stores) const
{
    stores.staging.clear();
    stores.staging << ImportStores::headerRow();
    const qsizetype first = m_layout.skipStart;
    const qsizetype end = stores.rawLines.size() - m_layout.skipEnd;
    if (first >= end)
        return;
    stores.staging.reserve(end - first + 1);
    for (qsizetype i = first; i < end; ++i) {
        const QString& line = stores.rawLines.at(i);
        const int lineNumber = int(i + 1);
        stores.staging << (m_layout.separated ? cutSeparated(line, lineNumber) : cutFixed(line, lineNumber));
    }
}

StagingRow LineCutter::cutFixed(const QString& line, int lineNumber) const
{
    using namespace staging;
    StagingRow row;
    const auto item = [&](int index) {
        const ImportLayout::Item& it = m_layout.items[std::size_t(index)];
        return trimBlanks(part(line, it.start, it.length));
    };

    if (line.size() <= 9) {
        row[Mark] = kIncomplete;
    } else {
        row[Mark] = kComplete;
        row[PluCode] = item(ImportLayout::PluCode);
        row[Barcode] = m_layout.barcodePrefix + item(ImportLayout::Barcode);
        row[Department] = row[Barcode].left(2);
        row[Name] = item(ImportLayout::Name).replace(QLatin1Char('\''), QLatin1Char(' '));
        row[Price] = scalePrice(item(ImportLayout::Price), lineNumber);
    }
    if (m_layout.mode == ImportMode::Manual)
        row[ShelfLife] = m_layout.shelfLifeFromLine ? item(ImportLayout::ShelfLife) : m_layout.standardShelfLife;
    applyProductType(row);
    return row;
}

StagingRow LineCutter::cutSeparated(const QString& line, int lineNumber) const
{
    using namespace staging;
    const QStringList fields = splitFields(line, m_layout.separator);
    StagingRow row;
    row[PluCode] = itemOfField(fields, ImportLayout::PluCode, lineNumber);
    row[Barcode] = m_layout.barcodePrefix + itemOfField(fields, ImportLayout::Barcode, lineNumber);
    row[Department] = row[Barcode].left(2);
    row[Name] = itemOfField(fields, ImportLayout::Name, lineNumber);
    row[Price] = scalePrice(itemOfField(fields, ImportLayout::Price, lineNumber), lineNumber);
    if (m_layout.mode == ImportMode::Manual)
        row[ShelfLife] = m_layout.shelfLifeFromLine
                             ? trimBlanks(itemOfField(fields, ImportLayout::ShelfLife, lineNumber))
                             : m_layout.standardShelfLife;
    row[Mark] = applyProductType(row) ? kComplete : kIncomplete;
    return row;
}

QString LineCutter::itemOfField(const QStringList& fields, int index, int lineNumber) const
{
    const ImportLayout::Item& it = m_layout.items[std::size_t(index)];
    if (it.field < 1 || it.field > fields.size())
        throw ImportError(QStringLiteral("%1 %2 alandan oluşuyor; %3. alan yok.")
                              .arg(lineText(lineNumber)).arg(fields.size()).arg(it.field));
    const QString& field = fields.at(it.field - 1);
    return it.whole ? field : part(field, it.start, it.length);
}

QStringList LineCutter::splitFields(const QString& line, QChar separator)
{
    QStringList fields;
    const qsizetype n = line.size();
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < n) {
        const QChar c = line.at(i);
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            const qsizetype close = line.indexOf(c, i + 1);
            if (close >= 0) {
                i = close + 1;
                continue;
            }
        } else if (c == separator) {
            if (i > start)
                fields << line.mid(start, i - start);
            start = i + 1;
        }
        ++i;
    }
    if (n > start)
        fields << line.mid(start);
    return fields;
}

QString LineCutter::scalePrice(const QString& item, int lineNumber) const
{
    int divisor = 0;
    if (m_layout.kurus == QLatin1String("2"))
        divisor = 100;
    else if (m_layout.kurus == QLatin1String("1"))
        divisor = 10;
    else if (m_layout.kurus == QLatin1String("0"))
        divisor = 1;

    QString text = item;
    if (divisor != 0) {
        const std::optional<double> value = numbertext::parseDecimal(item);
        if (!value)
            throw ImportError(QStringLiteral("%1: fiyat bir sayı değil: \"%2\"").arg(lineText(lineNumber), item));
        text = numbertext::formatGeneral(*value / divisor);
    }
    return text.replace(QLatin1Char(','), QLatin1Char('.'));
}

const ImportLayout::ProductType* LineCutter::findProductType(const QString& barcodeColumn) const
{
    const QString prefix = trimBlanks(barcodeColumn.left(2));
    for (const ImportLayout::ProductType& type : m_layout.productTypes)
        if (type.prefix == prefix)
            return &type;
    return nullptr;
}

bool LineCutter::applyProductType(StagingRow& row) const
{
    using namespace staging;
    const ImportLayout::ProductType* type = findProductType(row[Barcode]);
    if (!type)
        return false;
    row[BarcodeType] = type->barcodeType;
    row[ProductType] = type->typeCode;
    row[Tare] = m_layout.tare;
    row[Message] = m_layout.message;
    row[LabelNo] = type->labelNo;
    if (m_layout.mode == ImportMode::Automatic)
        row[ShelfLife] = m_layout.standardShelfLife;
    return true;
}

} // namespace mv
