#include "store/Rows.h"

namespace mv {

QString Rows::text(int r, const QString& name) const
{
    const QVariant v = value(r, name);
    return v.isNull() ? QString() : v.toString();
}

} // namespace mv
