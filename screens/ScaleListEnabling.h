#pragma once

#include <QString>

namespace mv {

// Which tool bar buttons and pop-up entries of the scale list are usable. Everything
// starts enabled but the two pop-up entries; only a list and a row click change it.
class ScaleListEnabling {
public:
    bool deleteAll = true; // BtnTumunuSil
    bool detail = true;    // BtnDetay
    bool remove = true;    // BtnSil
    bool clear = true;     // BtnTemizle
    bool popupActive = false;  // "Aktif"
    bool popupPassive = false; // "Pasif"

    // After a list action with `rows` scales: an empty list disables the buttons that
    // need a scale; a filled one enables "delete all" only, the others keep their state.
    void listed(int rows);
    // A click on a row whose DURUM is `state`: the entry that applies is enabled.
    void rowClicked(const QString& state);
};

} // namespace mv
