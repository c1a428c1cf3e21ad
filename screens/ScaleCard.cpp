#include "screens/ScaleCard.h"

#include "screens/ActionGuard.h"
#include "screens/AppContext.h"
#include "screens/Dialogs.h"
#include "screens/MainShell.h"
#include "screens/ScaleRecords.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace mv {

namespace {

void paintField(QWidget* field, bool focused)
{
    QPalette pal = field->palette();
    const QColor colour = focused ? QColor(Qt::yellow) : QColor(Qt::white);
    pal.setColor(QPalette::Base, colour);
    pal.setColor(QPalette::Button, colour);
    field->setPalette(pal);
}

} // namespace

ScaleCard::ScaleCard(AppContext& ctx, QWidget* parent) : QDialog(parent), m_ctx(ctx)
{
    setObjectName(QStringLiteral("TForm7"));
    setWindowTitle(QStringLiteral("Terazi Kartı"));

    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("CeTeraziAdi"));
    m_name->setMaxLength(16);
    m_ip = new QLineEdit(this);
    m_ip->setObjectName(QStringLiteral("CeTeraziIPNo"));
    m_ip->setMaxLength(16);
    m_state = new QComboBox(this);
    m_state->setObjectName(QStringLiteral("CbDurum"));
    m_state->addItems({QStringLiteral("Aktif"), QStringLiteral("Pasif")});
    m_state->setCurrentIndex(0);
    m_id = new QLabel(QStringLiteral("0"), this);
    m_id->setObjectName(QStringLiteral("LblID"));
    m_id->hide();

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Terazi Adı"), m_name);
    form->addRow(QStringLiteral("Terazi IP No"), m_ip);
    form->addRow(QStringLiteral("Durum"), m_state);

    m_save = new QPushButton(addCaption(), this);
    m_save->setObjectName(QStringLiteral("BtnKaydet"));
    m_save->setEnabled(false);
    m_close = new QPushButton(QStringLiteral("Kapat"), this);
    m_close->setObjectName(QStringLiteral("BtnKapat"));
    // Enter walks the fields; it must not press a button.
    for (QPushButton* b : {m_save, m_close}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_save);
    buttons->addWidget(m_close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_id);
    layout->addLayout(buttons);

    for (QWidget* field : {static_cast<QWidget*>(m_name), static_cast<QWidget*>(m_ip), static_cast<QWidget*>(m_state)}) {
        paintField(field, false);
        field->installEventFilter(this);
    }

    m_ctx.guard.connect(m_save, &QPushButton::clicked, this, [this] { save(); });
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
}

void ScaleCard::setSaveCaption(const QString& caption)
{
    m_save->setText(caption);
}

void ScaleCard::setSaveEnabled(bool enabled)
{
    m_save->setEnabled(enabled);
}

void ScaleCard::showScale(const ScaleRow& scale)
{
    m_name->setText(scale.name);
    m_id->setText(QString::number(scale.id));
    m_ip->setText(scale.ip);
    // A state other than "0" is shown as it is listed: "Pasif".
    m_state->setCurrentIndex(scale.isActive() ? 0 : 1);
}

bool ScaleCard::isAddMode() const
{
    return m_save->text() == addCaption();
}

ScaleCardSave::Input ScaleCard::input() const
{
    ScaleCardSave::Input in;
    in.addMode = isAddMode();
    in.id = m_id->text().toInt();
    in.name = m_name->text();
    in.ip = m_ip->text();
    in.statePosition = m_state->currentIndex();
    return in;
}

void ScaleCard::save()
{
    if (!m_save->isEnabled())
        return;
    ScaleRecords records(m_ctx.db);
    const ScaleCardSave::Result result = ScaleCardSave::save(records, input());
    if (!result.saved) {
        m_ctx.dialogs.notice(this, result.message, Dialogs::Icon::Stop);
        if (result.focus == ScaleCardSave::Field::Name)
            m_name->setFocus();
        else if (result.focus == ScaleCardSave::Field::Ip)
            m_ip->setFocus();
        return;
    }
    m_id->setText(QString::number(result.id));
    if (m_ctx.shell)
        m_ctx.shell->setStatusText(MainShell::ScaleCount, QString::number(records.activeCount()));
    accept();
}

QWidget* ScaleCard::nextInChain(QObject* field) const
{
    if (field == m_name)
        return m_ip;
    if (field == m_ip)
        return m_state;
    return m_name;
}

bool ScaleCard::eventFilter(QObject* watched, QEvent* event)
{
    auto* field = qobject_cast<QWidget*>(watched);
    if (field && (field == m_name || field == m_ip || field == m_state)) {
        switch (event->type()) {
        case QEvent::FocusIn: paintField(field, true); break;
        case QEvent::FocusOut: paintField(field, false); break;
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                nextInChain(field)->setFocus();
                return true;
            }
            if (key == Qt::Key_F2) {
                m_ctx.guard.run(this, [this] { save(); });
                return true;
            }
            break;
        }
        default: break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace mv
