// Draws the two praise pictures shipped in the start directory:
//   make_praise_pictures <folder>
// writes "Sonne.bmp" (a sun over hills) and "Ballons.jpg" (balloons in the sky), so
// that a new start directory shows a picture praise without a picture from elsewhere.

#include "exercise/core/fileio.h"

#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <cstdio>
#include <cstdlib>

extern "C" {
#include <jpeglib.h>
}

using namespace Qt::StringLiterals;

namespace {

void drawCloud(QPainter &p, QPointF at, double scale)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 252, 255));
    for (const auto &[dx, dy, r] :
         {std::tuple{0.0, 0.0, 34.0}, {38.0, -14.0, 40.0}, {80.0, 0.0, 32.0}, {40.0, 12.0, 34.0}})
        p.drawEllipse(at + QPointF(dx, dy) * scale, r * scale, r * scale * 0.8);
}

// A picture filled with a sky that runs through `stops` from top to bottom.
QImage skyImage(QSize size, const QGradientStops &stops)
{
    QImage image(size, QImage::Format_RGB32);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setStops(stops);
    QPainter(&image).fillRect(image.rect(), sky);
    return image;
}

QImage sunOverHills()
{
    QImage image = skyImage({640, 480}, {{0, QColor(70, 150, 235)}, {1, QColor(190, 228, 255)}});
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const QPointF sun(470, 120);
    p.setPen(QPen(QColor(255, 200, 0), 8, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6;
        p.drawLine(sun + QPointF(std::cos(a), std::sin(a)) * 70,
                   sun + QPointF(std::cos(a), std::sin(a)) * 105);
    }
    QRadialGradient glow(sun, 60);
    glow.setColorAt(0, QColor(255, 250, 150));
    glow.setColorAt(1, QColor(255, 205, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(sun, 58, 58);
    // A smile: the sun is pleased as well.
    p.setBrush(QColor(120, 70, 0));
    p.drawEllipse(sun + QPointF(-20, -14), 7, 9);
    p.drawEllipse(sun + QPointF(20, -14), 7, 9);
    p.setPen(QPen(QColor(120, 70, 0), 6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(sun.x() - 30, sun.y() - 20, 60, 50), -20 * 16, -140 * 16);

    drawCloud(p, QPointF(90, 90), 1.0);
    drawCloud(p, QPointF(250, 170), 0.7);

    p.setPen(Qt::NoPen);
    QPainterPath far;
    far.moveTo(0, 330);
    far.cubicTo(160, 250, 300, 260, 420, 320);
    far.cubicTo(520, 360, 600, 290, 640, 300);
    far.lineTo(640, 480);
    far.lineTo(0, 480);
    p.setBrush(QColor(90, 170, 70));
    p.drawPath(far);
    QPainterPath near;
    near.moveTo(0, 400);
    near.cubicTo(200, 330, 420, 360, 640, 390);
    near.lineTo(640, 480);
    near.lineTo(0, 480);
    p.setBrush(QColor(60, 140, 50));
    p.drawPath(near);

    const QColor petals[] = {QColor(230, 40, 60), QColor(255, 255, 255), QColor(250, 210, 0),
                             QColor(170, 80, 220)};
    for (int i = 0; i < 14; ++i) {
        const QPointF at(25 + i * 45 + (i % 3) * 7, 425 + (i % 4) * 11);
        p.setPen(QPen(QColor(40, 110, 30), 3));
        p.drawLine(at, at + QPointF(0, 30));
        p.setPen(Qt::NoPen);
        p.setBrush(petals[i % 4]);
        for (int k = 0; k < 5; ++k) {
            const double a = k * 2 * M_PI / 5;
            p.drawEllipse(at + QPointF(std::cos(a), std::sin(a)) * 8, 6, 6);
        }
        p.setBrush(QColor(255, 180, 0));
        p.drawEllipse(at, 5, 5);
    }
    return image;
}

QImage balloons()
{
    QImage image = skyImage(
        {800, 600},
        {{0, QColor(255, 170, 120)}, {0.6, QColor(140, 200, 250)}, {1, QColor(100, 170, 240)}});
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawCloud(p, QPointF(80, 470), 1.3);
    drawCloud(p, QPointF(560, 520), 1.1);
    drawCloud(p, QPointF(600, 90), 0.8);

    const struct {
        QPointF at;
        QColor colour;
        double size;
    } shown[] = {{{180, 200}, QColor(230, 40, 50), 1.1},  {{330, 150}, QColor(250, 200, 0), 1.0},
                 {{470, 230}, QColor(40, 110, 220), 1.2}, {{610, 170}, QColor(60, 180, 80), 0.9},
                 {{270, 300}, QColor(170, 70, 200), 0.8}, {{540, 340}, QColor(255, 130, 30), 0.85}};
    for (const auto &balloon : shown) {
        const double rx = 55 * balloon.size;
        const double ry = 68 * balloon.size;
        const QPointF knot = balloon.at + QPointF(0, ry);
        QPainterPath string;
        string.moveTo(knot);
        string.cubicTo(knot + QPointF(-20, 60), knot + QPointF(20, 110), knot + QPointF(0, 170));
        p.setPen(QPen(QColor(70, 70, 70), 2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(string);
        QRadialGradient shine(balloon.at - QPointF(rx / 3, ry / 3), rx * 1.4);
        shine.setColorAt(0, balloon.colour.lighter(170));
        shine.setColorAt(0.35, balloon.colour);
        shine.setColorAt(1, balloon.colour.darker(140));
        p.setPen(Qt::NoPen);
        p.setBrush(shine);
        p.drawEllipse(balloon.at, rx, ry);
        p.setBrush(balloon.colour.darker(130));
        p.drawPolygon(QPolygonF({knot + QPointF(-7, 8), knot + QPointF(7, 8), knot}));
    }
    return image;
}

QByteArray bmpBytes(const QImage &image)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "BMP"))
        return {};
    return buffer.data();
}

QByteArray jpegBytes(const QImage &image, int quality)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    unsigned char *data = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &data, &size);
    cinfo.image_width = JDIMENSION(rgb.width());
    cinfo.image_height = JDIMENSION(rgb.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        auto *row = const_cast<JSAMPLE *>(rgb.constScanLine(int(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    jpeg_destroy_compress(&cinfo);
    std::free(data);
    return bytes;
}

bool write(const QString &path, const QByteArray &bytes)
{
    const WriteResult written = bytes.isEmpty() ? WriteResult() : writeFileAtomically(path, bytes);
    if (bytes.isEmpty() || !written.ok()) {
        std::fprintf(stderr, "make_praise_pictures: %s: %s\n", qPrintable(path),
                     qPrintable(bytes.isEmpty() ? u"cannot encode"_s : written.io.message()));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: make_praise_pictures <folder>\n");
        return 2;
    }
    const QDir folder(arguments[1]);
    const bool ok = write(folder.filePath(u"Sonne.bmp"_s), bmpBytes(sunOverHills())) &&
                    write(folder.filePath(u"Ballons.jpg"_s), jpegBytes(balloons(), 88));
    return ok ? 0 : 1;
}
