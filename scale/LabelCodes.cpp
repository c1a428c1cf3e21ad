#include "scale/LabelCodes.h"

#include <array>

namespace mv {

namespace {

constexpr std::array<int, LabelCodes::Count> kPatterns = {1, 2, 4, 8, 16, 32, 64, 128, 3, 12};

} // namespace

const QStringList& LabelCodes::names()
{
    static const QStringList list = {
        QStringLiteral("A0"), QStringLiteral("A1"), QStringLiteral("B0"), QStringLiteral("B1"),
        QStringLiteral("C0"), QStringLiteral("C1"), QStringLiteral("D0"), QStringLiteral("D1"),
        QStringLiteral("E0"), QStringLiteral("E1"),
    };
    return list;
}

QString LabelCodes::name(int ordinal)
{
    return isOrdinal(ordinal) ? names().at(ordinal - 1) : QString();
}

int LabelCodes::bitPattern(int ordinal)
{
    return isOrdinal(ordinal) ? kPatterns[std::size_t(ordinal - 1)] : -1;
}

int LabelCodes::ordinalOfName(const QString& name)
{
    return int(names().indexOf(name.trimmed())) + 1;
}

int LabelCodes::ordinalOfBitPattern(int pattern)
{
    for (int i = 0; i < Count; ++i)
        if (kPatterns[std::size_t(i)] == pattern)
            return i + 1;
    return 0;
}

QString LabelCodes::bitPatternText(const QString& ordinalText)
{
    const QString t = ordinalText.trimmed();
    // The column holds a plain whole number; anything else names no label.
    for (QChar c : t)
        if (!c.isDigit() || c.unicode() > 127)
            return {};
    bool ok = false;
    const int ordinal = t.toInt(&ok);
    return ok && isOrdinal(ordinal) ? QString::number(bitPattern(ordinal)) : QString();
}

} // namespace mv
