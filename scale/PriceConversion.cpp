#include "scale/PriceConversion.h"

#include "scale/ConversionError.h"

#include <limits>

namespace mv {

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool allDigits(QStringView text)
{
    for (QChar c : text)
        if (!isDigit(c))
            return false;
    return true;
}

ConversionError notAPrice(const QString& text)
{
    return ConversionError(QStringLiteral("'%1' geçerli bir fiyat değil.").arg(text));
}

ConversionError tooLarge(const QString& text)
{
    return ConversionError(QStringLiteral("'%1' fiyatı 32 bitlik bir tam sayıya sığmıyor.").arg(text));
}

} // namespace

std::int32_t PriceConversion::toKurus(const QString& text, QChar separator)
{
    const QChar mark = separator == QLatin1Char(',') ? QLatin1Char('.') : QLatin1Char(',');
    const QChar sep = separator == QLatin1Char(',') ? QLatin1Char(',') : QLatin1Char('.');

    QString t = text.trimmed();
    t.remove(mark);
    if (t.isEmpty())
        return 0;

    bool negative = false;
    QStringView rest(t);
    if (rest.front() == QLatin1Char('-') || rest.front() == QLatin1Char('+')) {
        negative = rest.front() == QLatin1Char('-');
        rest = rest.mid(1);
    }

    const qsizetype at = rest.indexOf(sep);
    const QStringView whole = at < 0 ? rest : rest.left(at);
    const QStringView decimals = at < 0 ? QStringView() : rest.mid(at + 1);
    if ((whole.isEmpty() && decimals.isEmpty()) || !allDigits(whole) || !allDigits(decimals))
        throw notAPrice(text);

    // Lira beyond ten digits cannot fit in any case; below that, 64 bits hold the sum.
    QStringView lira = whole;
    while (lira.size() > 1 && lira.front() == QLatin1Char('0'))
        lira = lira.mid(1);
    if (lira.size() > 10)
        throw tooLarge(text);
    qint64 kurus = 0;
    for (QChar c : lira)
        kurus = kurus * 10 + (c.unicode() - '0');
    kurus *= 100;
    if (decimals.size() >= 1)
        kurus += 10 * (decimals.at(0).unicode() - '0');
    if (decimals.size() >= 2)
        kurus += decimals.at(1).unicode() - '0';
    if (decimals.size() >= 3 && decimals.at(2) >= QLatin1Char('5'))
        kurus += 1;
    if (negative)
        kurus = -kurus;
    if (kurus > std::numeric_limits<std::int32_t>::max() || kurus < std::numeric_limits<std::int32_t>::min())
        throw tooLarge(text);
    return std::int32_t(kurus);
}

} // namespace mv
