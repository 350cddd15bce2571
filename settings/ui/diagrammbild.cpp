#include "settings/ui/diagrammbild.h"

#include <QChart>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QPainter>

namespace {

constexpr int schaerfe = 3;

} // namespace

QImage diagrammBild(QChart *chart, QSize groesse)
{
    QGraphicsScene scene;
    scene.addItem(chart);
    chart->resize(groesse);
    chart->layout()->activate();
    QImage image(groesse * schaerfe, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(schaerfe);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF flaeche(QPointF(0, 0), QSizeF(groesse));
    scene.render(&painter, flaeche, flaeche);
    return image;
}
