#include "settings/Countdown.h"

#include <QRegularExpression>

namespace mv::countdown {

int toSeconds(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("^(\\d{2}):(\\d{2}):(\\d{2})$"));
    const auto m = form.match(text.trimmed());
    if (!m.hasMatch())
        return 0;
    const int h = m.captured(1).toInt(), mi = m.captured(2).toInt(), s = m.captured(3).toInt();
    if (h > 23 || mi > 59 || s > 59)
        return 0;
    return h * 3600 + mi * 60 + s;
}

QString format(int seconds)
{
    seconds %= 24 * 3600;
    if (seconds < 0)
        seconds += 24 * 3600;
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString normalized(const QString& text)
{
    return format(toSeconds(text));
}

} // namespace mv::countdown
