#pragma once

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace mv {

struct AppContext;

// TForm8, "Terazi Seçimi": the user ticks some of the active scales before a load; the
// ticked IPs replace the main window's target scale list.
class ScaleSelectionDialog : public QDialog {
    Q_OBJECT
public:
    explicit ScaleSelectionDialog(AppContext& ctx, QWidget* parent = nullptr);

    // Fills the list, runs the dialog modally over the main window and tells whether the
    // target scale list now holds the ticked scales (the caller loads them only then).
    static bool choose(AppContext& ctx, QWidget* parent);

    // The list action: one unticked entry per active scale, in TRZIP order.
    void list();
    void setTicked(int entry, bool ticked);
    // "Tümünü Seç".
    void tickAll(bool ticked);
    // "Tamam": replaces the target scale list with the ticked entries, in list order,
    // and closes with OK.
    void confirm();

    QStringList entries() const;
    QStringList tickedScales() const;

private:
    void updateConfirm();

    AppContext& m_ctx;
    QListWidget* m_list = nullptr;
    QPushButton* m_confirm = nullptr;
    QCheckBox* m_all = nullptr;
    QPushButton* m_close = nullptr;
};

} // namespace mv
