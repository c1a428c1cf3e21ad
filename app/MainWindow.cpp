#include "app/MainWindow.h"

#include "app/AboutBox.h"
#include "app/AutoPanel.h"
#include "app/Background.h"
#include "app/ScreenOpeners.h"
#include "scale/TargetScales.h"
#include "screens/ActionGuard.h"
#include "screens/AppContext.h"
#include "screens/Dialogs.h"
#include "store/Database.h"
#include "store/OperationLog.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace mv {

namespace {

const char* const kLockedActions[] = {"MN11", "MN12", "MN21", "MN22", "MN23", "MN24"};

struct PanelDef {
    const char* text;
    int width;
};
const PanelDef kPanels[] = {{"Ver:5.5P", 80}, {"Terazi", 75}, {"", 45}, {"Ürün", 75}, {"", 60}, {"İşlem", 75}, {"", 500}};

} // namespace

MainWindow::MainWindow(AppContext& ctx, QWidget* parent) : QMainWindow(parent), m_ctx(ctx)
{
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("Morvanta "));
    resize(1100, 720);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    buildToolBar();
    layout->addWidget(m_toolPanel);

    m_mdi = new QMdiArea(central);
    m_mdi->setObjectName(QStringLiteral("MdiArea"));
    m_mdi->viewport()->installEventFilter(this);
    layout->addWidget(m_mdi, 1);

    m_autoPanel = new AutoPanel(central);
    m_autoPanel->hide();
    layout->addWidget(m_autoPanel);
    setCentralWidget(central);

    buildMenu();
    buildStatusBar();
    installScreenOpeners(*this, m_ctx);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(1000);
    m_cycle = std::make_unique<AutoCycle>(
        *this,
        [this] {
            if (m_automaticRun)
                m_automaticRun();
        },
        [this](const QString& text) { reportAutomaticError(text); }, [this] { return m_ctx.guard.isBusy(); });
    connect(m_timer, &QTimer::timeout, this, [this] { m_cycle->tick(); });
    connect(m_autoPanel, &AutoPanel::countdownDoubleClicked, this, [this] { m_cycle->backgroundDoubleClicked(); });
    connect(m_autoPanel->switchButton(), &QToolButton::toggled, this, [this](bool on) { m_cycle->switchTurned(on); });
    m_timer->start();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildToolBar()
{
    m_toolPanel = new QWidget(this);
    m_toolPanel->setObjectName(QStringLiteral("PanelUst"));
    m_toolPanel->setFixedHeight(72);
    m_toolPanel->setAutoFillBackground(true);
    QPalette pal = m_toolPanel->palette();
    pal.setColor(QPalette::Window, QColor(0xe9, 0xee, 0xf4));
    m_toolPanel->setPalette(pal);

    auto makeButton = [this](const char* name, const QString& caption, const QString& hint, QStyle::StandardPixmap icon) {
        auto* b = new QToolButton(m_toolPanel);
        b->setObjectName(QLatin1String(name));
        b->setText(caption);
        b->setToolTip(hint);
        b->setIcon(style()->standardIcon(icon));
        b->setIconSize(QSize(32, 32));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setAutoRaise(true);
        b->setFixedSize(110, 64);
        return b;
    };
    m_btnUrun = makeButton("BtnUrun", QStringLiteral("Ürünler"), QStringLiteral("Ürün İşlemleri"),
                           QStyle::SP_FileDialogDetailedView);
    m_btnHotkey = makeButton("BtnHotkey", QStringLiteral("Kısayol"), QStringLiteral("Kısayol İşlemleri"),
                             QStyle::SP_FileDialogListView);
    m_btnLog = makeButton("BtnLog", QStringLiteral("Log Kayıtları"), QStringLiteral("Log Kayıtları"),
                          QStyle::SP_FileDialogInfoView);
    m_btnCikis = makeButton("BtnCikis", QStringLiteral("Çıkış"), QStringLiteral("Programdan Çıkış.."),
                            QStyle::SP_DialogCloseButton);

    auto* row = new QHBoxLayout(m_toolPanel);
    row->setContentsMargins(6, 4, 6, 4);
    row->addWidget(m_btnUrun);
    row->addWidget(m_btnHotkey);
    row->addWidget(m_btnLog);
    row->addStretch(1);
    // The exit button keeps its own place at the right edge (see resizeEvent).
    m_btnCikis->setParent(m_toolPanel);

    connect(m_btnUrun, &QToolButton::clicked, this, [this] { trigger(QStringLiteral("MN21")); });
    connect(m_btnHotkey, &QToolButton::clicked, this, [this] { trigger(QStringLiteral("MN22")); });
    connect(m_btnLog, &QToolButton::clicked, this, [this] { trigger(QStringLiteral("MN32")); });
    connect(m_btnCikis, &QToolButton::clicked, this, &QWidget::close);
}

QAction* MainWindow::addEntry(QMenu* menu, const char* name, const QString& caption)
{
    auto* action = new QAction(caption, this);
    action->setObjectName(QLatin1String(name));
    const QString key = QLatin1String(name);
    connect(action, &QAction::triggered, this, [this, key] { trigger(key); });
    if (menu)
        menu->addAction(action);
    return action;
}

void MainWindow::buildMenu()
{
    QMenuBar* bar = menuBar();
    QMenu* islemler = bar->addMenu(QStringLiteral("İşlemler"));
    islemler->setObjectName(QStringLiteral("MN1"));
    addEntry(islemler, "MN11", QStringLiteral("PLU Bilgilerini Yükle"));
    islemler->addSeparator();
    addEntry(islemler, "MN12", QStringLiteral("Kısayol Bilgilerini Yükle"));
    islemler->addSeparator();
    QAction* exit = addEntry(islemler, "MN13", QStringLiteral("Programdan Çıkış"));
    disconnect(exit, &QAction::triggered, this, nullptr);
    connect(exit, &QAction::triggered, this, &QWidget::close);

    QMenu* tanim = bar->addMenu(QStringLiteral("Tanımlamalar"));
    tanim->setObjectName(QStringLiteral("MN2"));
    addEntry(tanim, "MN21", QStringLiteral("Ürünler"));
    tanim->addSeparator();
    addEntry(tanim, "MN22", QStringLiteral("Kısayol"));
    tanim->addSeparator();
    addEntry(tanim, "MN23", QStringLiteral("Mesajlar"));
    tanim->addSeparator();
    addEntry(tanim, "MN24", QStringLiteral("Dış Veri Formatı"));
    tanim->addSeparator();
    addEntry(tanim, "MN25", QStringLiteral("Teraziler"));

    QMenu* araclar = bar->addMenu(QStringLiteral("Araçlar"));
    araclar->setObjectName(QStringLiteral("MN3"));
    addEntry(araclar, "MN31", QStringLiteral("Genel Ayarlar"));
    araclar->addSeparator();
    addEntry(araclar, "MN32", QStringLiteral("Log Kayıtları"));

    QAction* about = addEntry(nullptr, "MN4", QStringLiteral("Hakkında"));
    bar->addAction(about);
    setOpener(QStringLiteral("MN4"), [this] { showAbout(); });
}

void MainWindow::buildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("Sb1"));
    bar->setSizeGripEnabled(false);
    int index = 0;
    for (const PanelDef& def : kPanels) {
        auto* label = new QLabel(QString::fromUtf8(def.text), bar);
        label->setObjectName(QStringLiteral("Sb1Panel%1").arg(index++));
        label->setFixedWidth(def.width);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setContentsMargins(4, 0, 4, 0);
        bar->addWidget(label);
        m_panels << label;
    }
}

void MainWindow::setStatusText(int panel, const QString& text)
{
    if (panel < 0 || panel >= m_panels.size())
        return;
    // A status text may hold a carriage return between two sentences; one line here.
    QString t = text;
    t.replace(QLatin1Char('\r'), QLatin1Char(' '));
    m_panels[panel]->setText(t);
    m_panels[panel]->setToolTip(t);
}

QString MainWindow::statusText(int panel) const
{
    return panel >= 0 && panel < m_panels.size() ? m_panels[panel]->text() : QString();
}

void MainWindow::refillTargetScales()
{
    m_targetScales = activeScaleIps(m_ctx.db);
}

void MainWindow::startUp()
{
    m_autoPanel->hide();
    m_ctx.guard.run(this, [this] {
        m_ctx.log.write(QStringLiteral("Program Başlatıldı."));
        refillTargetScales();
        setStatusText(ScaleCount, QString::number(m_targetScales.size()));
        const Rows count = m_ctx.db.run(QStringLiteral("SELECT COUNT(PLUKODU) FROM PLUTBL"));
        setStatusText(ProductCount, count.scalar().toString());
        m_ctx.readAllSettings();
        const GeneralSettings& s = m_ctx.settings;
        m_cycle->begin({isYes(s.baslatma), isYes(s.periyodik), s.baslatSure, s.periyodikSure});
    });
}

void MainWindow::reportAutomaticError(const QString& text)
{
    const QString line = QStringLiteral("Otomatik yükleme hatası: ") + text;
    setStatusText(LastOperation, line);
    try {
        m_ctx.log.write(line);
        m_ctx.db.commit();
    } catch (const std::exception&) {
        // The database itself may be what failed; the status text still tells.
    }
    m_ctx.dialogs.error(this, text, false);
}

void MainWindow::setLockedSetEnabled(bool enabled)
{
    m_btnUrun->setEnabled(enabled);
    m_btnHotkey->setEnabled(enabled);
    for (const char* name : kLockedActions)
        if (auto* action = findChild<QAction*>(QLatin1String(name)))
            action->setEnabled(enabled);
}

void MainWindow::showAutoPanel(bool shown)
{
    m_autoPanel->setVisible(shown);
}

void MainWindow::setCountdownText(const QString& text)
{
    m_autoPanel->countdown()->setText(text);
}

void MainWindow::setDigitColour(Colour colour)
{
    m_autoPanel->setDigitColour(colour == Colour::Black   ? AutoPanel::DigitColour::Black
                                : colour == Colour::White ? AutoPanel::DigitColour::White
                                                          : AutoPanel::DigitColour::Silver);
}

void MainWindow::setSwitchHint(const QString& hint)
{
    m_autoPanel->switchButton()->setToolTip(hint);
}

void MainWindow::setOpener(const QString& actionName, Opener opener)
{
    m_openers.insert(actionName, std::move(opener));
}

void MainWindow::trigger(const QString& actionName)
{
    const auto it = m_openers.constFind(actionName);
    if (it == m_openers.constEnd())
        return;
    const Opener opener = *it;
    m_ctx.guard.openWindow(this, opener);
}

void MainWindow::addChildWindow(QWidget* window)
{
    window->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow* sub = m_mdi->addSubWindow(window);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->showMaximized();
}

void MainWindow::showAbout()
{
    AboutBox box(this);
    box.exec();
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    m_btnCikis->move(width() - 130, (m_toolPanel->height() - m_btnCikis->height()) / 2);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_mdi->viewport()) {
        if (event->type() == QEvent::MouseButtonDblClick)
            m_cycle->backgroundDoubleClicked();
        else if (event->type() == QEvent::Resize)
            m_mdi->setBackground(QBrush(backgroundPicture(m_mdi->viewport()->size())));
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace mv
