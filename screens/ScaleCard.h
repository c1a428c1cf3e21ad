#pragma once

#include "screens/ScaleCardSave.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace mv {

struct AppContext;
struct ScaleRow;

// TForm7, "Terazi Kartı": adds one scale or changes one. The caller sets the title and
// the save caption; "Kaydet" means add mode, "Değiştir" change mode.
class ScaleCard : public QDialog {
    Q_OBJECT
public:
    explicit ScaleCard(AppContext& ctx, QWidget* parent = nullptr);

    static QString addCaption() { return QStringLiteral("Kaydet"); }
    static QString changeCaption() { return QStringLiteral("Değiştir"); }

    void setSaveCaption(const QString& caption);
    void setSaveEnabled(bool enabled);
    // Change mode: the fields from the scale's row.
    void showScale(const ScaleRow& scale);

    bool isAddMode() const;
    ScaleCardSave::Input input() const;

    // The save action: checks, writes, commits, rewrites status panel 2 and closes with
    // OK; a refused save shows why, focuses the field and leaves the card open.
    void save();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* nextInChain(QObject* field) const;

    AppContext& m_ctx;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_ip = nullptr;
    QComboBox* m_state = nullptr;
    QLabel* m_id = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_close = nullptr;
};

} // namespace mv
