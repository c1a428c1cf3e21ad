#include "screens/QtDialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace mv {

QString boxText(const QString& text)
{
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

bool QtDialogs::ask(QWidget* parent, const QString& text, const QString& caption)
{
    QMessageBox box(QMessageBox::Question, caption, boxText(text), QMessageBox::NoButton, parent);
    QPushButton* no = box.addButton(QStringLiteral("Hayır"), QMessageBox::NoRole);
    QPushButton* yes = box.addButton(QStringLiteral("Evet"), QMessageBox::YesRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

void QtDialogs::notice(QWidget* parent, const QString& text, Icon icon)
{
    QMessageBox box(icon == Icon::Stop ? QMessageBox::Critical : QMessageBox::Information, QStringLiteral("UYARI !"),
                    boxText(text), QMessageBox::NoButton, parent);
    box.addButton(QStringLiteral("Tamam"), QMessageBox::AcceptRole);
    box.exec();
}

void QtDialogs::warning(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("UYARI"), boxText(text), QMessageBox::NoButton, parent);
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
}

void QtDialogs::error(QWidget* parent, const QString& text, bool wait)
{
    if (wait) {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Morvanta"), boxText(text), QMessageBox::Ok, parent);
        box.exec();
        return;
    }
    auto* box = new QMessageBox(QMessageBox::Critical, QStringLiteral("Morvanta"), boxText(text), QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
    QTimer::singleShot(UnattendedErrorMs, box, &QWidget::close);
}

} // namespace mv
