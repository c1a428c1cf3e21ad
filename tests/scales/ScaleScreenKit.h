#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QDialog;
class QWidget;

namespace mv::test {

// Runs `step` on the next modal dialog once its own event loop runs; a dialog that the
// step leaves open is closed afterwards, so a failing test cannot hang.
void whenModal(std::function<void(QDialog*)> step);

// Types into the scale card's fields (replacing what they hold) and picks the state.
void fillCard(QWidget* card, const QString& name, const QString& ip, int statePosition = 0);
void clickButton(QWidget* parent, const QString& objectName);

// Scales as "ID|TRZIP|TRZADI|DURUM|VERIZAMANI", read through a connection of its own,
// so only committed rows count.
QStringList committedScales(const QString& databasePath);
// HKEYTBL rows of one scale read the same way, as "TBLNO|TUSNO|PLUKODU" in key order.
QStringList committedHotkeys(const QString& databasePath, int scaleId);

} // namespace mv::test
