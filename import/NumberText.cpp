#include "import/NumberText.h"

#include <cmath>

namespace mv::numbertext {

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

std::optional<double> parseDecimal(const QString& text)
{
    qsizetype i = 0;
    qsizetype end = text.size();
    while (i < end && text.at(i) == QLatin1Char(' '))
        ++i;
    while (end > i && text.at(end - 1) == QLatin1Char(' '))
        --end;

    QByteArray c; // the number in the C form, for the conversion
    c.reserve(end - i);
    if (i < end && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-')))
        c.append(char(text.at(i++).unicode()));
    int digits = 0;
    while (i < end && isDigit(text.at(i))) {
        c.append(char(text.at(i++).unicode()));
        ++digits;
    }
    if (i < end && text.at(i) == QLatin1Char(',')) {
        c.append('.');
        ++i;
        while (i < end && isDigit(text.at(i))) {
            c.append(char(text.at(i++).unicode()));
            ++digits;
        }
    }
    if (digits == 0)
        return std::nullopt;
    if (i < end && (text.at(i) == QLatin1Char('e') || text.at(i) == QLatin1Char('E'))) {
        c.append('e');
        ++i;
        if (i < end && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-')))
            c.append(char(text.at(i++).unicode()));
        int expDigits = 0;
        while (i < end && isDigit(text.at(i))) {
            c.append(char(text.at(i++).unicode()));
            ++expDigits;
        }
        if (expDigits == 0)
            return std::nullopt;
    }
    if (i != end)
        return std::nullopt;
    bool ok = false;
    const double v = c.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

QString formatGeneral(double value)
{
    if (!std::isfinite(value))
        return QString::number(value);
    if (value == 0)
        return QStringLiteral("0");

    // 15 significant digits, rounded once: "d.dddddddddddddde+XX".
    const QString sci = QString::number(std::fabs(value), 'e', 14);
    const qsizetype e = sci.indexOf(QLatin1Char('e'));
    const int exponent = sci.mid(e + 1).toInt();
    QString digits = sci.left(1) + sci.mid(2, e - 2);
    while (digits.size() > 1 && digits.endsWith(QLatin1Char('0')))
        digits.chop(1);

    QString out = value < 0 ? QStringLiteral("-") : QString();
    if (exponent >= 15 || exponent < -5) {
        out += digits.left(1);
        if (digits.size() > 1)
            out += QLatin1Char(',') + digits.mid(1);
        out += QLatin1Char('E') + QString::number(exponent);
        return out;
    }
    if (exponent >= 0) {
        const qsizetype intDigits = exponent + 1;
        if (digits.size() <= intDigits)
            return out + digits + QString(intDigits - digits.size(), QLatin1Char('0'));
        return out + digits.left(intDigits) + QLatin1Char(',') + digits.mid(intDigits);
    }
    return out + QStringLiteral("0,") + QString(-exponent - 1, QLatin1Char('0')) + digits;
}

} // namespace mv::numbertext
