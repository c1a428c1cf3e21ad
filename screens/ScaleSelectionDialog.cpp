#include "screens/ScaleSelectionDialog.h"

#include "screens/AppContext.h"
#include "screens/MainShell.h"
#include "screens/ScaleRecords.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace mv {

ScaleSelectionDialog::ScaleSelectionDialog(AppContext& ctx, QWidget* parent) : QDialog(parent), m_ctx(ctx)
{
    setObjectName(QStringLiteral("TForm8"));
    setWindowTitle(QStringLiteral("Terazi Seçimi"));
    resize(300, 360);

    auto* frame = new QGroupBox(QStringLiteral("Teraziler"), this);
    m_list = new QListWidget(frame);
    m_list->setObjectName(QStringLiteral("ChbTerazi"));
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(m_list);

    m_confirm = new QPushButton(QStringLiteral("Tamam"), this);
    m_confirm->setObjectName(QStringLiteral("BtnSec"));
    m_confirm->setEnabled(false);
    m_all = new QCheckBox(QStringLiteral("Tümünü Seç"), this);
    m_all->setObjectName(QStringLiteral("ChbTumu"));
    m_close = new QPushButton(QStringLiteral("Kapat"), this);
    m_close->setObjectName(QStringLiteral("BtnKapat"));
    for (QPushButton* b : {m_confirm, m_close})
        b->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_all);
    buttons->addStretch(1);
    buttons->addWidget(m_confirm);
    buttons->addWidget(m_close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame, 1);
    layout->addLayout(buttons);

    connect(m_list, &QListWidget::itemChanged, this, [this] { updateConfirm(); });
    connect(m_all, &QCheckBox::toggled, this, [this](bool on) { tickAll(on); });
    connect(m_confirm, &QPushButton::clicked, this, [this] { confirm(); });
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
}

bool ScaleSelectionDialog::choose(AppContext& ctx, QWidget* parent)
{
    ScaleSelectionDialog dialog(ctx, parent);
    dialog.list();
    if (auto* over = dynamic_cast<QWidget*>(ctx.shell)) {
        const QPoint centre = over->mapToGlobal(over->rect().center());
        dialog.move(centre - QPoint(dialog.width() / 2, dialog.height() / 2));
    }
    return dialog.exec() == QDialog::Accepted;
}

void ScaleSelectionDialog::list()
{
    {
        const QSignalBlocker quiet(m_list);
        m_list->clear();
        ScaleRecords records(m_ctx.db);
        for (const QString& ip : records.activeIps()) {
            auto* item = new QListWidgetItem(ip, m_list);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
            item->setCheckState(Qt::Unchecked);
        }
    }
    updateConfirm();
}

void ScaleSelectionDialog::setTicked(int entry, bool ticked)
{
    if (QListWidgetItem* item = m_list->item(entry))
        item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
}

void ScaleSelectionDialog::tickAll(bool ticked)
{
    {
        const QSignalBlocker quiet(m_list);
        for (int i = 0; i < m_list->count(); ++i)
            m_list->item(i)->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    }
    updateConfirm();
}

void ScaleSelectionDialog::confirm()
{
    const QStringList ticked = tickedScales();
    // Only reachable through "Tamam", which needs a ticked entry.
    if (ticked.isEmpty())
        return;
    if (m_ctx.shell)
        m_ctx.shell->setTargetScales(ticked);
    accept();
}

QStringList ScaleSelectionDialog::entries() const
{
    QStringList out;
    for (int i = 0; i < m_list->count(); ++i)
        out << m_list->item(i)->text();
    return out;
}

QStringList ScaleSelectionDialog::tickedScales() const
{
    QStringList out;
    for (int i = 0; i < m_list->count(); ++i)
        if (m_list->item(i)->checkState() == Qt::Checked)
            out << m_list->item(i)->text();
    return out;
}

void ScaleSelectionDialog::updateConfirm()
{
    m_confirm->setEnabled(!tickedScales().isEmpty());
}

} // namespace mv
