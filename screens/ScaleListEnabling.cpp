#include "screens/ScaleListEnabling.h"

namespace mv {

void ScaleListEnabling::listed(int rows)
{
    if (rows == 0) {
        deleteAll = false;
        detail = false;
        remove = false;
        clear = false;
    } else {
        deleteAll = true;
    }
}

void ScaleListEnabling::rowClicked(const QString& state)
{
    const bool active = state == QLatin1String("0");
    popupActive = !active;
    popupPassive = active;
}

} // namespace mv
