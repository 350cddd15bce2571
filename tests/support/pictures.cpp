#include "tests/support/pictures.h"

#include <QtGlobal>
#include <cstdio> // jpeglib.h needs FILE
#include <cstdlib>
#include <vector>

extern "C" {
#include <jpeglib.h>
}

namespace testing {

namespace {

// Encodes a picture of `components` samples a pixel: `setUp` chooses the coding once the
// defaults are set, `fillRow` makes each row.
template <typename SetUp, typename FillRow>
QByteArray encoded(int width, int height, int components, J_COLOR_SPACE space, SetUp setUp,
                   FillRow fillRow)
{
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    unsigned char *out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &out, &size);
    cinfo.image_width = JDIMENSION(width);
    cinfo.image_height = JDIMENSION(height);
    cinfo.input_components = components;
    cinfo.in_color_space = space;
    jpeg_set_defaults(&cinfo);
    setUp(cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<JSAMPLE> row(std::size_t(width) * std::size_t(components));
    while (cinfo.next_scanline < cinfo.image_height) {
        fillRow(int(cinfo.next_scanline), row.data());
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    const QByteArray bytes(reinterpret_cast<const char *>(out), qsizetype(size));
    std::free(out);
    return bytes;
}

} // namespace

QByteArray jpegInManyScans()
{
    constexpr int side = 64;
    std::vector<jpeg_scan_info> scans{{1, {0}, 0, 0, 0, 0}};
    for (int k = 1; k < DCTSIZE2; ++k) {
        scans.push_back({1, {0}, k, k, 0, 1});
        scans.push_back({1, {0}, k, k, 1, 0});
    }
    return encoded(
        side, side, 1, JCS_GRAYSCALE,
        [&](jpeg_compress_struct &cinfo) {
            cinfo.scan_info = scans.data();
            cinfo.num_scans = int(scans.size());
        },
        [](int y, JSAMPLE *row) {
            for (int x = 0; x < side; ++x) // a pattern that leaves every coefficient busy
                row[x] = JSAMPLE((x * 37 + y * 91) % 256);
        });
}

QByteArray jpegPicture(const JpegSpec &bild)
{
    using Colour = JpegSpec::Colour;
    const int components = bild.colour == Colour::Grey ? 1 : bild.colour == Colour::Cmyk ? 4 : 3;
    const J_COLOR_SPACE space =
        components == 1 ? JCS_GRAYSCALE : components == 4 ? JCS_CMYK : JCS_RGB;
    quint32 seed = 12345;
    return encoded(
        bild.width, bild.height, components, space,
        [&](jpeg_compress_struct &cinfo) {
            jpeg_set_quality(&cinfo, bild.quality, TRUE);
            if (bild.colour != Colour::YCbCr420) {
                for (int i = 0; i < components; ++i) {
                    cinfo.comp_info[i].h_samp_factor = 1;
                    cinfo.comp_info[i].v_samp_factor = 1;
                }
            }
            cinfo.arith_code = bild.arithmetic;
            cinfo.optimize_coding = FALSE;
            if (bild.progressive)
                jpeg_simple_progression(&cinfo);
        },
        [&](int y, JSAMPLE *row) {
            for (int x = 0; x < bild.width; ++x) {
                for (int c = 0; c < components; ++c) {
                    seed = seed * 1664525u + 1013904223u;
                    const int grain = bild.grain > 0 ? int(seed >> 24) % (bild.grain + 1) : 0;
                    const int smooth = (x * (c + 1) * 255 / qMax(1, bild.width) +
                                        y * (3 - c % 3) * 255 / qMax(1, bild.height)) / 4;
                    row[x * components + c] = JSAMPLE(qBound(0, smooth + grain, 255));
                }
            }
        });
}

QByteArray withLastScanRepeated(const QByteArray &jpeg, int times)
{
    const qsizetype lastScan = jpeg.lastIndexOf("\xFF\xDA");
    const qsizetype end = jpeg.lastIndexOf("\xFF\xD9");
    if (lastScan < 0 || end < lastScan)
        return jpeg;
    const QByteArray scan = jpeg.mid(lastScan, end - lastScan);
    QByteArray repeated = jpeg.left(end);
    repeated.append(scan.repeated(times)).append(jpeg.mid(end));
    return repeated;
}

} // namespace testing
