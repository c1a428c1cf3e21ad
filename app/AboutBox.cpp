#include "app/AboutBox.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace mv {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("THakkinda"));
    setWindowTitle(QStringLiteral("Hakkında"));

    auto* picture = new QLabel(this);
    picture->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(64, 64));
    auto* name = new QLabel(QStringLiteral("<b style='font-size:16pt'>Morvanta</b><br>Sürüm 5.5P"), this);
    auto* notice = new QLabel(QStringLiteral("Etiketli terazilere ürün, kısayol ve mesaj yükleme programı.\n"
                                             "Ürün bilgileri Data.FDB veritabanında, ayarlar Ini klasöründe tutulur."),
                              this);
    notice->setWordWrap(true);

    auto* ok = new QPushButton(QStringLiteral("Tamam"), this);
    ok->setObjectName(QStringLiteral("BtnTamam"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addWidget(name, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(notice);
    layout->addWidget(ok, 0, Qt::AlignRight);
}

} // namespace mv
