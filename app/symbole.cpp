#include "app/symbole.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QToolButton>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

// Icons are drawn here rather than taken from an icon theme, which a plain
// classroom machine may not have and whose search on disk would hold up the start.
QIcon drawnIcon(const std::function<void(QPainter &)> &draw)
{
    QIcon icon;
    for (const int scale : {1, 2}) {
        QPixmap pixmap(20 * scale, 20 * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        draw(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

QIcon printerIcon()
{
    return drawnIcon([](QPainter &p) {
        p.setPen(QPen(QColor(60, 60, 60), 1.2));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5.5, 2.5, 9, 6)); // paper going in
        p.setBrush(QColor(120, 130, 145));
        p.drawRoundedRect(QRectF(2.5, 7.5, 15, 7), 1.5, 1.5);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5.5, 12.5, 9, 5.5)); // the printed page
        p.setPen(QPen(QColor(90, 90, 90), 1));
        p.drawLine(QPointF(7, 14.5), QPointF(13, 14.5));
        p.drawLine(QPointF(7, 16.5), QPointF(11, 16.5));
    });
}

QIcon newTextIcon()
{
    return drawnIcon([](QPainter &p) {
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF({QPointF(4.5, 1.5), QPointF(11.5, 1.5), QPointF(15.5, 5.5),
                                 QPointF(15.5, 18.5), QPointF(4.5, 18.5)}));
        p.setBrush(QColor(215, 215, 215));
        p.drawPolygon(QPolygonF({QPointF(11.5, 1.5), QPointF(11.5, 5.5), QPointF(15.5, 5.5)}));
    });
}

QIcon openTextIcon()
{
    return drawnIcon([](QPainter &p) {
        p.setPen(QPen(QColor(140, 100, 20), 1));
        p.setBrush(QColor(225, 175, 60));
        p.drawPolygon(QPolygonF({QPointF(1.5, 4.5), QPointF(7, 4.5), QPointF(8.5, 6.5),
                                 QPointF(16.5, 6.5), QPointF(16.5, 16.5), QPointF(1.5, 16.5)}));
        p.setBrush(QColor(250, 210, 100)); // the lid, open towards the viewer
        p.drawPolygon(QPolygonF(
            {QPointF(4.5, 9.5), QPointF(19, 9.5), QPointF(16.5, 16.5), QPointF(1.5, 16.5)}));
    });
}

QIcon saveIcon()
{
    return drawnIcon([](QPainter &p) {
        p.setPen(QPen(QColor(30, 50, 90), 1));
        p.setBrush(QColor(60, 100, 170));
        p.drawRoundedRect(QRectF(2.5, 2.5, 15, 15), 1.5, 1.5); // the disk
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5.5, 2.5, 9, 6)); // the label
        p.setBrush(QColor(190, 195, 205));
        p.drawRect(QRectF(6.5, 12.5, 7, 5)); // the shutter
    });
}

QIcon lowerCaseIcon()
{
    return drawnIcon([](QPainter &p) {
        QFont font(u"Arial"_s);
        font.setPixelSize(15);
        font.setBold(true);
        p.setFont(font);
        p.setPen(QColor(40, 40, 40));
        p.drawText(QRectF(0, 0, 20, 19), Qt::AlignCenter, u"a"_s);
    });
}

QIcon deleteIcon()
{
    return drawnIcon([](QPainter &p) {
        p.setPen(QPen(QColor(190, 30, 30), 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(5, 5), QPointF(15, 15));
        p.drawLine(QPointF(15, 5), QPointF(5, 15));
    });
}

QIcon startIcon()
{
    return drawnIcon([](QPainter &p) {
        QPainterPath triangle;
        triangle.moveTo(5, 3);
        triangle.lineTo(17, 10);
        triangle.lineTo(5, 17);
        triangle.closeSubpath();
        p.setPen(QPen(QColor(20, 110, 30), 1));
        p.setBrush(QColor(40, 160, 60));
        p.drawPath(triangle);
    });
}

QPixmap pointerImage(bool pointingDown)
{
    QImage image(50, 25, QImage::Format_RGB32);
    image.fill(Qt::black);
    const QRgb red = qRgb(255, 0, 0);
    for (int y = 0; y < 25; ++y) {
        const int from = pointingDown ? y : 24 - y;
        const int to = pointingDown ? 49 - y : 25 + y;
        for (int x = from; x <= to; ++x)
            image.setPixel(x, y, red);
    }
    return QPixmap::fromImage(image);
}

QPushButton *hiddenButton(const QString &name, const QString &caption)
{
    auto *button = named(new QPushButton(caption), name);
    button->hide();
    return button;
}

QToolButton *speedButton(const QString &name, const QIcon &icon, const QString &hint)
{
    auto *button = named(new QToolButton, name);
    button->setIcon(icon);
    button->setToolTip(hint);
    button->setAutoRaise(true);
    button->setIconSize(QSize(20, 20));
    return button;
}
