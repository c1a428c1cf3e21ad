#include "app/AutoPanel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QToolButton>

namespace mv {

AutoPanel::AutoPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Panel1"));
    setFixedHeight(60);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0x4a, 0x86, 0xc8));
    setPalette(pal);

    m_switch = new QToolButton(this);
    m_switch->setObjectName(QStringLiteral("RxSwitch1"));
    m_switch->setCheckable(true);
    m_switch->setChecked(true);
    m_switch->setToolTip(QStringLiteral("Durdurmak için tıklayın."));
    m_switch->setFixedSize(64, 40);
    m_switch->setStyleSheet(QStringLiteral(
        "QToolButton { border-radius: 18px; background: #8a8f96; color: white; font-weight: bold; }"
        "QToolButton:checked { background: #2e9d4a; }"));
    m_switch->setText(QStringLiteral("AÇIK"));
    connect(m_switch, &QToolButton::toggled, this,
            [this](bool on) { m_switch->setText(on ? QStringLiteral("AÇIK") : QStringLiteral("KAPALI")); });

    m_countdown = new QLabel(QStringLiteral("00:00:00"), this);
    m_countdown->setObjectName(QStringLiteral("RxSaat"));
    m_countdown->setToolTip(QStringLiteral("Durdurmak için Çift Tıklayın."));
    m_countdown->setAlignment(Qt::AlignCenter);
    QFont font = m_countdown->font();
    font.setPixelSize(40);
    font.setBold(true);
    m_countdown->setFont(font);
    m_countdown->installEventFilter(this);

    m_gauge = new QProgressBar(this);
    m_gauge->setObjectName(QStringLiteral("Gauge"));
    m_gauge->setFixedWidth(260);
    m_gauge->hide();

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 4, 10, 4);
    layout->addWidget(m_switch);
    layout->addWidget(m_countdown, 1);
    layout->addWidget(m_gauge);
    setDigitColour(DigitColour::White);
}

void AutoPanel::setDigitColour(DigitColour colour)
{
    m_colour = colour;
    const char* name = colour == DigitColour::Black ? "black" : colour == DigitColour::White ? "white" : "silver";
    m_countdown->setStyleSheet(QStringLiteral("QLabel { color: %1; }").arg(QLatin1String(name)));
}

bool AutoPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_countdown && event->type() == QEvent::MouseButtonDblClick)
        Q_EMIT countdownDoubleClicked();
    return QWidget::eventFilter(watched, event);
}

} // namespace mv
