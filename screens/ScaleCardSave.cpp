#include "screens/ScaleCardSave.h"

#include "screens/ScaleRecords.h"

#include <QStringList>

namespace mv {

namespace {

const char16_t* const kDuplicateIp = u"Terazi IP No Mevcut, Lütfen Bilgileri Kontrol Ediniz.";

ScaleCardSave::Result refused(const QString& message, ScaleCardSave::Field focus)
{
    ScaleCardSave::Result r;
    r.message = message;
    r.focus = focus;
    return r;
}

} // namespace

bool ScaleCardSave::isDottedIpv4(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() != 4)
        return false;
    for (const QString& part : parts) {
        if (part.isEmpty() || part.size() > 3)
            return false;
        for (const QChar c : part)
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return false;
        if (part.size() > 1 && part.front() == QLatin1Char('0'))
            return false;
        if (part.toInt() > 255)
            return false;
    }
    return true;
}

ScaleCardSave::Result ScaleCardSave::check(const Input& input)
{
    if (input.name.isEmpty())
        return refused(QStringLiteral("Terazi Adı Bilgisi Boş Olamaz."), Field::Name);
    if (input.ip.isEmpty())
        return refused(QStringLiteral("Terazi IP No Bilgisi Boş Olamaz."), Field::Ip);
    if (!isDottedIpv4(input.ip))
        return refused(QStringLiteral("Terazi IP No Bilgisi Hatalı."), Field::Ip);
    return {};
}

ScaleCardSave::Result ScaleCardSave::save(ScaleRecords& records, const Input& input)
{
    Result result = check(input);
    if (!result.message.isEmpty())
        return result;

    const QString state = stateText(input.statePosition);
    if (input.addMode) {
        const int id = records.drawNumber();
        if (records.ipTaken(input.ip))
            return refused(QString::fromUtf16(kDuplicateIp), Field::None);
        records.insert(id, input.ip, input.name, state);
        result.id = id;
    } else {
        if (records.ipTakenByOther(input.ip, input.id))
            return refused(QString::fromUtf16(kDuplicateIp), Field::None);
        records.update(input.id, input.ip, input.name, state);
        result.id = input.id;
    }
    records.commit();
    result.saved = true;
    return result;
}

} // namespace mv
