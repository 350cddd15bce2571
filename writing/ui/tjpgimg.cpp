#include "writing/ui/tjpgimg.h"

#include <QPainter>

StretchedPicture::StretchedPicture(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void StretchedPicture::setImage(const QImage &image)
{
    m_image = image;
    m_scaled = QPixmap();
    update();
}

void StretchedPicture::clear()
{
    setImage(QImage());
}

void StretchedPicture::paintEvent(QPaintEvent *)
{
    if (m_image.isNull())
        return;
    // Scaling a photo on every paint would make each uncovered piece slow to appear.
    if (m_scaled.size() != size()) {
        m_scaled = QPixmap::fromImage(
            m_image.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_scaled);
}

TFEJpeg::TFEJpeg(QWidget *parent) : StretchedPicture(parent) {}

void TFEJpeg::setOptions(const jpeg::Options &options)
{
    if (options == m_options)
        return;
    m_options = options;
    if (m_jpeg.isEmpty())
        return;
    const jpeg::Result result = jpeg::decode(m_jpeg, m_options, m_limits);
    if (result.image)
        setImage(*result.image);
}

void TFEJpeg::setDecodedJpeg(const QByteArray &bytes, const QImage &decoded)
{
    m_jpeg = bytes;
    setImage(decoded);
}

void TFEJpeg::clearJpeg()
{
    m_jpeg.clear();
    clear();
}
