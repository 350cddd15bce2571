#include "tests/support/pictures.h"

#include <cstdio> // jpeglib.h needs FILE
#include <cstdlib>
#include <vector>

extern "C" {
#include <jpeglib.h>
}

namespace testing {

QByteArray jpegInManyScans()
{
    constexpr int side = 64;
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    unsigned char *out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &out, &size);
    cinfo.image_width = side;
    cinfo.image_height = side;
    cinfo.input_components = 1;
    cinfo.in_color_space = JCS_GRAYSCALE;
    jpeg_set_defaults(&cinfo);

    std::vector<jpeg_scan_info> scans{{1, {0}, 0, 0, 0, 0}};
    for (int k = 1; k < DCTSIZE2; ++k) {
        scans.push_back({1, {0}, k, k, 0, 1});
        scans.push_back({1, {0}, k, k, 1, 0});
    }
    cinfo.scan_info = scans.data();
    cinfo.num_scans = int(scans.size());

    jpeg_start_compress(&cinfo, TRUE);
    std::vector<JSAMPLE> row(side);
    while (cinfo.next_scanline < cinfo.image_height) {
        for (int x = 0; x < side; ++x) // a pattern that leaves every coefficient busy
            row[std::size_t(x)] = JSAMPLE((x * 37 + int(cinfo.next_scanline) * 91) % 256);
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    const QByteArray bytes(reinterpret_cast<const char *>(out), qsizetype(size));
    std::free(out);
    return bytes;
}

} // namespace testing
