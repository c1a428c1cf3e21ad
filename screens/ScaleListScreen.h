#pragma once

#include "screens/ScaleListEnabling.h"
#include "screens/ScaleRecords.h"

#include <QDialog>

#include <optional>

class QAction;
class QMenu;
class QSortFilterProxyModel;
class QTableView;
class QToolButton;
class QWidget;

namespace mv {

struct AppContext;
class ScaleCard;
class ScaleListModel;

// TForm6, "Teraziler": every scale with its state. From here the user adds, changes,
// deletes, activates and deactivates scales and clears the memory of one scale.
class ScaleListScreen : public QDialog {
    Q_OBJECT
public:
    explicit ScaleListScreen(AppContext& ctx, QWidget* parent = nullptr);
    ~ScaleListScreen() override;

    // The list action: reads every scale, sets the buttons, refills the main window's
    // target scale list and status panel 2.
    void list();

    void addScale();
    void changeFocused();
    void deleteFocused();
    void deleteAll();
    void clearFocused();
    void activateFocused();
    void deactivateFocused();
    // What a click on a row does: focuses it and enables the pop-up entry that applies.
    void rowClicked(int row);

    // The focused scale, if the grid has one.
    std::optional<ScaleRow> focusedScale() const;
    // Focuses the scale in row `row` of the grid as it is shown.
    void focusRow(int row);

    ScaleListModel* model() const { return m_model; }
    QTableView* grid() const { return m_grid; }
    QMenu* popup() const { return m_popup; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QToolButton* makeButton(const char* name, const QString& hint, int icon);
    // Opens the card modally over the main window and lists again when it closes with OK.
    void runCard(ScaleCard& card);
    void applyEnabling();
    QWidget* mainWindow() const;

    AppContext& m_ctx;
    ScaleRecords m_records;
    ScaleListEnabling m_enabling;
    ScaleListModel* m_model = nullptr;
    QSortFilterProxyModel* m_sorted = nullptr;
    QTableView* m_grid = nullptr;
    QWidget* m_toolBar = nullptr;
    QToolButton* m_btnTumunuSil = nullptr;
    QToolButton* m_btnDetay = nullptr;
    QToolButton* m_btnEkle = nullptr;
    QToolButton* m_btnSil = nullptr;
    QToolButton* m_btnTemizle = nullptr;
    QToolButton* m_btnKapat = nullptr;
    QToolButton* m_btnListele = nullptr;
    QMenu* m_popup = nullptr;
    QAction* m_popupActive = nullptr;
    QAction* m_popupPassive = nullptr;
};

} // namespace mv
