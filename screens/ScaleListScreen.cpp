#include "screens/ScaleListScreen.h"

#include "screens/ActionGuard.h"
#include "screens/AppContext.h"
#include "screens/Dialogs.h"
#include "screens/MainShell.h"
#include "screens/ScaleCard.h"
#include "screens/ScaleClearing.h"
#include "screens/ScaleListModel.h"

#include <QAction>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QSortFilterProxyModel>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace mv {

namespace {

constexpr int kCloseFromRight = 55;

void centreOver(QWidget* dialog, QWidget* over)
{
    if (!over)
        return;
    dialog->adjustSize();
    const QPoint centre = over->mapToGlobal(over->rect().center());
    dialog->move(centre - QPoint(dialog->width() / 2, dialog->height() / 2));
}

} // namespace

ScaleListScreen::ScaleListScreen(AppContext& ctx, QWidget* parent)
    : QDialog(parent), m_ctx(ctx), m_records(ctx.db)
{
    setObjectName(QStringLiteral("TForm6"));
    setWindowTitle(QStringLiteral("Teraziler"));
    resize(720, 420);

    m_toolBar = new QWidget(this);
    m_toolBar->setObjectName(QStringLiteral("PanelUst"));
    m_toolBar->setFixedHeight(48);
    m_btnTumunuSil = makeButton("BtnTumunuSil", QStringLiteral("Tüm Terazi Bilgilerini Sil"), QStyle::SP_DialogDiscardButton);
    m_btnDetay = makeButton("BtnDetay", QStringLiteral("Terazi Detayı"), QStyle::SP_FileDialogContentsView);
    m_btnEkle = makeButton("BtnEkle", QStringLiteral("Yeni Terazi Ekle"), QStyle::SP_FileDialogNewFolder);
    m_btnSil = makeButton("BtnSil", QStringLiteral("Seçili Terazi Bilgisini Sil"), QStyle::SP_TrashIcon);
    m_btnTemizle = makeButton("BtnTemizle", QStringLiteral("Seçili Teraziye Yüklü PLU Bilgilerini Sil"),
                              QStyle::SP_BrowserReload);
    m_btnKapat = makeButton("BtnKapat", QStringLiteral("Pencereyi Kapat"), QStyle::SP_DialogCloseButton);
    m_btnListele = makeButton("BtnListele", QStringLiteral("Listele"), QStyle::SP_BrowserReload);
    m_btnListele->hide();

    auto* row = new QHBoxLayout(m_toolBar);
    row->setContentsMargins(4, 4, 4, 4);
    for (QToolButton* b : {m_btnTumunuSil, m_btnDetay, m_btnEkle, m_btnSil, m_btnTemizle})
        row->addWidget(b);
    row->addStretch(1);
    // The close button keeps its own place at the right edge (see resizeEvent).

    m_model = new ScaleListModel(this);
    m_sorted = new QSortFilterProxyModel(this);
    m_sorted->setSourceModel(m_model);

    auto* frame = new QGroupBox(QStringLiteral("Teraziler"), this);
    frame->setObjectName(QStringLiteral("GbTeraziler"));
    m_grid = new QTableView(frame);
    m_grid->setObjectName(QStringLiteral("GrdTeraziler"));
    m_grid->setModel(m_sorted);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->verticalHeader()->setVisible(true); // the row indicator
    m_grid->verticalHeader()->setDefaultSectionSize(22);
    m_grid->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_grid->setSortingEnabled(true);
    m_grid->setColumnWidth(ScaleListModel::Drm, 100);
    m_grid->setColumnWidth(ScaleListModel::TrzIp, 140);
    m_grid->setColumnWidth(ScaleListModel::TrzAdi, 180);
    m_grid->setColumnWidth(ScaleListModel::VeriZamani, 160);
    m_grid->setColumnHidden(ScaleListModel::Durum, true);
    m_grid->setColumnHidden(ScaleListModel::Id, true);
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    m_grid->installEventFilter(this);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(m_grid);

    m_popup = new QMenu(this);
    m_popup->setObjectName(QStringLiteral("PmDurum"));
    m_popupActive = m_popup->addAction(QStringLiteral("Aktif"));
    m_popupActive->setObjectName(QStringLiteral("MnAktif"));
    m_popup->addSeparator();
    m_popupPassive = m_popup->addAction(QStringLiteral("Pasif"));
    m_popupPassive->setObjectName(QStringLiteral("MnPasif"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 4);
    layout->addWidget(m_toolBar);
    layout->addWidget(frame, 1);

    ActionGuard& guard = m_ctx.guard;
    guard.connect(m_btnTumunuSil, &QToolButton::clicked, this, [this] { deleteAll(); });
    guard.connect(m_btnDetay, &QToolButton::clicked, this, [this] { changeFocused(); });
    guard.connect(m_btnEkle, &QToolButton::clicked, this, [this] { addScale(); });
    guard.connect(m_btnSil, &QToolButton::clicked, this, [this] { deleteFocused(); });
    guard.connect(m_btnTemizle, &QToolButton::clicked, this, [this] { clearFocused(); });
    guard.connect(m_btnListele, &QToolButton::clicked, this, [this] { list(); });
    connect(m_btnKapat, &QToolButton::clicked, this, &QDialog::reject);
    guard.connect(m_popupActive, &QAction::triggered, this, [this] { activateFocused(); });
    guard.connect(m_popupPassive, &QAction::triggered, this, [this] { deactivateFocused(); });
    guard.connect(m_grid, &QTableView::doubleClicked, this, [this] { changeFocused(); });
    connect(m_grid, &QTableView::clicked, this, [this](const QModelIndex& index) { rowClicked(index.row()); });
    connect(m_grid, &QTableView::customContextMenuRequested, this, [this](const QPoint& pos) {
        const QModelIndex index = m_grid->indexAt(pos);
        if (index.isValid())
            rowClicked(index.row());
        m_popup->popup(m_grid->viewport()->mapToGlobal(pos));
    });

    applyEnabling();
}

ScaleListScreen::~ScaleListScreen() = default;

QToolButton* ScaleListScreen::makeButton(const char* name, const QString& hint, int icon)
{
    auto* b = new QToolButton(m_toolBar);
    b->setObjectName(QLatin1String(name));
    b->setToolTip(hint);
    b->setIcon(style()->standardIcon(QStyle::StandardPixmap(icon)));
    b->setIconSize(QSize(28, 28));
    b->setAutoRaise(true);
    b->setFixedSize(44, 40);
    return b;
}

QWidget* ScaleListScreen::mainWindow() const
{
    return dynamic_cast<QWidget*>(m_ctx.shell);
}

void ScaleListScreen::list()
{
    m_model->setScales(m_records.all());
    const int rows = m_model->rowCount();
    if (rows > 0)
        focusRow(0);
    m_enabling.listed(rows);
    applyEnabling();

    if (m_ctx.shell) {
        m_ctx.shell->refillTargetScales();
        m_ctx.shell->setStatusText(MainShell::ScaleCount, QString::number(m_ctx.shell->targetScales().size()));
    }
}

void ScaleListScreen::applyEnabling()
{
    m_btnTumunuSil->setEnabled(m_enabling.deleteAll);
    m_btnDetay->setEnabled(m_enabling.detail);
    m_btnSil->setEnabled(m_enabling.remove);
    m_btnTemizle->setEnabled(m_enabling.clear);
    m_popupActive->setEnabled(m_enabling.popupActive);
    m_popupPassive->setEnabled(m_enabling.popupPassive);
}

std::optional<ScaleRow> ScaleListScreen::focusedScale() const
{
    const QModelIndex current = m_grid->currentIndex();
    if (!current.isValid())
        return std::nullopt;
    const QModelIndex source = m_sorted->mapToSource(current);
    if (!source.isValid() || source.row() >= m_model->rowCount())
        return std::nullopt;
    return m_model->scale(source.row());
}

void ScaleListScreen::focusRow(int row)
{
    const QModelIndex index = m_sorted->index(row, ScaleListModel::Drm);
    if (!index.isValid())
        return;
    m_grid->setCurrentIndex(index);
    m_grid->selectRow(row);
}

void ScaleListScreen::rowClicked(int row)
{
    focusRow(row);
    if (const auto scale = focusedScale()) {
        m_enabling.rowClicked(scale->state);
        applyEnabling();
    }
}

void ScaleListScreen::runCard(ScaleCard& card)
{
    centreOver(&card, mainWindow());
    int result = QDialog::Rejected;
    {
        // The open card waits for the user; its save runs as an action of its own.
        const auto wait = m_ctx.guard.waitForUser();
        result = card.exec();
    }
    if (result == QDialog::Accepted)
        list();
}

void ScaleListScreen::addScale()
{
    ScaleCard card(m_ctx, this);
    card.setWindowTitle(QStringLiteral("Yeni Terazi Ekle"));
    card.setSaveCaption(ScaleCard::addCaption());
    card.setSaveEnabled(true);
    runCard(card);
}

void ScaleListScreen::changeFocused()
{
    const auto scale = focusedScale();
    if (!scale)
        return;
    ScaleCard card(m_ctx, this);
    card.setWindowTitle(QStringLiteral("Terazi Detayı"));
    card.setSaveCaption(ScaleCard::changeCaption());
    card.setSaveEnabled(true);
    card.showScale(*scale);
    runCard(card);
}

void ScaleListScreen::activateFocused()
{
    const auto scale = focusedScale();
    if (!scale || !m_ctx.dialogs.ask(this, QStringLiteral("Seçili terazi Aktif edilsin mi?")))
        return;
    m_records.setState(scale->id, QStringLiteral("0"));
    m_records.commit();
    list();
}

void ScaleListScreen::deactivateFocused()
{
    const auto scale = focusedScale();
    if (!scale || !m_ctx.dialogs.ask(this, QStringLiteral("Seçili terazi pasif edilsin mi?")))
        return;
    m_records.setState(scale->id, QStringLiteral("1"));
    m_records.commit();
    list();
}

void ScaleListScreen::deleteFocused()
{
    const auto scale = focusedScale();
    if (!scale || !m_ctx.dialogs.ask(this, QStringLiteral("Seçili Terazi bilgileri silinsin mi?")))
        return;
    m_records.remove(scale->id);
    // Committed at once like every other change, so a deletion the user saw happen
    // cannot come back after an abnormal end of the program.
    m_records.commit();
    list();
}

void ScaleListScreen::deleteAll()
{
    if (!m_ctx.dialogs.ask(this, QStringLiteral("Tüm Terazi Tanımlamaları Silinsin Mi?")))
        return;
    m_records.removeAll();
    m_records.commit();
    list();
}

void ScaleListScreen::clearFocused()
{
    const auto scale = focusedScale();
    if (!scale)
        return;
    ScaleClearing(m_ctx.driver, m_ctx.dialogs, this, &m_ctx.guard).run(scale->ip);
}

void ScaleListScreen::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    m_btnKapat->move(width() - kCloseFromRight, (m_toolBar->height() - m_btnKapat->height()) / 2);
}

bool ScaleListScreen::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_grid && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            m_ctx.guard.run(this, [this] { changeFocused(); });
            return true;
        }
        if (key == Qt::Key_Escape) {
            reject();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace mv
