#include "app/Background.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace mv {

QPixmap backgroundPicture(const QSize& size)
{
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(0xf4, 0xf7, 0xfb));
    sky.setColorAt(1, QColor(0xc9, 0xd6, 0xe6));
    p.fillRect(pixmap.rect(), sky);

    // A label scale drawn in outline, lower right.
    const QPointF o(size.width() * 0.62, size.height() * 0.34);
    p.setPen(QPen(QColor(0x9f, 0xb3, 0xcb), 6));
    p.setBrush(QColor(0xdd, 0xe6, 0xf0));
    p.drawRoundedRect(QRectF(o.x(), o.y() + 120, 360, 150), 18, 18);   // body
    p.drawRoundedRect(QRectF(o.x() + 20, o.y() + 60, 320, 50), 12, 12); // platter
    p.drawRect(QRectF(o.x() + 230, o.y() + 150, 100, 40));              // display
    p.drawRect(QRectF(o.x() + 40, o.y() + 200, 60, 40));                // label slot

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(72);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(0x8d, 0xa4, 0xc0));
    p.drawText(QRectF(60, size.height() * 0.30, size.width() * 0.5, 100), Qt::AlignLeft, QStringLiteral("Morvanta"));
    font.setPixelSize(24);
    font.setBold(false);
    p.setFont(font);
    p.drawText(QRectF(64, size.height() * 0.30 + 100, size.width() * 0.5, 40), Qt::AlignLeft,
               QStringLiteral("Etiketli Terazi Yönetimi"));
    return pixmap;
}

} // namespace mv
