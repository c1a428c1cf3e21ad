#include "tests/scales/ScaleScreenKit.h"

#include "store/Database.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace mv::test {

void whenModal(std::function<void(QDialog*)> step)
{
    QTimer::singleShot(0, [step = std::move(step)] {
        QPointer<QDialog> dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            ADD_FAILURE() << "no modal dialog is open";
            return;
        }
        step(dialog);
        if (dialog && dialog->isVisible())
            dialog->reject();
    });
}

namespace {

// Types text as keys; letters outside ASCII arrive as key events that carry their text.
void type(QWidget* field, const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(field, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

} // namespace

void fillCard(QWidget* card, const QString& name, const QString& ip, int statePosition)
{
    auto* nameField = card->findChild<QLineEdit*>(QStringLiteral("CeTeraziAdi"));
    auto* ipField = card->findChild<QLineEdit*>(QStringLiteral("CeTeraziIPNo"));
    auto* state = card->findChild<QComboBox*>(QStringLiteral("CbDurum"));
    ASSERT_TRUE(nameField && ipField && state);
    nameField->clear();
    type(nameField, name);
    ipField->clear();
    type(ipField, ip);
    state->setCurrentIndex(statePosition);
}

void clickButton(QWidget* parent, const QString& objectName)
{
    auto* button = parent->findChild<QAbstractButton*>(objectName);
    ASSERT_TRUE(button) << objectName.toStdString();
    QTest::mouseClick(button, Qt::LeftButton);
}

QStringList committedScales(const QString& databasePath)
{
    Database other(databasePath);
    const Rows rows = other.run(QStringLiteral("SELECT ID, TRZIP, TRZADI, DURUM, VERIZAMANI FROM TERAZITBL ORDER BY ID"));
    QStringList out;
    for (int r = 0; r < rows.count(); ++r) {
        QStringList cells;
        for (int c = 0; c < 5; ++c)
            cells << rows.value(r, c).toString();
        out << cells.join(QLatin1Char('|'));
    }
    return out;
}

QStringList committedHotkeys(const QString& databasePath, int scaleId)
{
    Database other(databasePath);
    const Rows rows = other.run(
        QStringLiteral("SELECT TBLNO, TUSNO, PLUKODU FROM HKEYTBL WHERE TRZID=? ORDER BY TBLNO, TUSNO"), {scaleId});
    QStringList out;
    for (int r = 0; r < rows.count(); ++r)
        out << QStringLiteral("%1|%2|%3").arg(rows.value(r, 0).toInt()).arg(rows.value(r, 1).toInt()).arg(rows.value(r, 2).toInt());
    return out;
}

} // namespace mv::test
