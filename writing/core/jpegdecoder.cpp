#include "writing/core/jpegdecoder.h"

#include <QSysInfo>
#include <climits>
#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE
#include <limits>
#include <vector>

extern "C" {
// jpeglib.h first: the messages jerror.h lists depend on the version it defines.
#include <jpeglib.h>

#include <jerror.h>
}

// How the control's options reach libjpeg (set between jpeg_read_header and
// jpeg_start_decompress):
//
//   option                 value             libjpeg field
//   grey scale             off               out_color_space: a colour space, decoded
//                                            straight into the rows of a 32-bit image
//                          on                out_color_space = JCS_GRAYSCALE
//   pixel format           24 bit            quantize_colors = FALSE
//                          8 bit             quantize_colors = TRUE, 256 colours,
//                                            two-pass quantising, Floyd-Steinberg dither
//   progressive display    off               buffered_image = FALSE
//                          on                buffered_image = TRUE (for a progressive
//                                            file; only the final pass is output here)
//   performance            best quality      dct_method = JDCT_ISLOW (accurate integer
//                                            DCT), do_fancy_upsampling = TRUE
//                          best speed        dct_method = JDCT_IFAST,
//                                            do_fancy_upsampling = FALSE
//   scale                  full size         scale_num / scale_denom = 1 / 1
//                          half, quarter,    1 / 2, 1 / 4, 1 / 8
//                          eighth
//   smoothing              on                do_block_smoothing = TRUE
//                          off               do_block_smoothing = FALSE
//
// CMYK files (Adobe's inverted ones included) are decoded as CMYK and turned into RGB
// here, since libjpeg converts CMYK to nothing else.

namespace jpeg {
namespace {

// libjpeg's default error handler prints and calls exit(): this one jumps back to
// decode() with the kind of failure instead.
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    picture::Failure failure;
};

struct ProgressMonitor {
    jpeg_progress_mgr pub;
    int maxScans;
    const std::atomic_bool *cancel;
};

// Everything the decoding touches lives here, outside the function that longjmp
// returns to, so a jump skips no destructor and clobbers no local.
struct Session {
    jpeg_decompress_struct cinfo{};
    ErrorManager errors{};
    ProgressMonitor progress{};
    Options options;
    Limits limits;
    QImage image;
    std::vector<JSAMPLE> row;
    bool convertCmyk = false;
};

picture::Failure failureFor(int messageCode)
{
    using picture::Failure;
    switch (messageCode) {
    case JERR_INPUT_EMPTY:
    case JERR_INPUT_EOF:
    case JWRN_JPEG_EOF:
        return Failure::CutShort;
    case JERR_IMAGE_TOO_BIG:
    case JERR_WIDTH_OVERFLOW:
    case JERR_OUT_OF_MEMORY:
        return Failure::TooLarge;
    case JERR_NO_SOI:
    case JERR_SOF_UNSUPPORTED:
    case JERR_BAD_PRECISION:
    case JERR_ARITH_NOTIMPL:
    case JERR_NOTIMPL:
    case JERR_NOT_COMPILED:
    case JERR_CCIR601_NOTIMPL:
    case JERR_CONVERSION_NOTIMPL:
    case JERR_FRACT_SAMPLE_NOTIMPL:
    case JERR_COMPONENT_COUNT:
        return Failure::Unsupported;
    default:
        return Failure::Damaged;
    }
}

[[noreturn]] void fail(j_common_ptr cinfo, picture::Failure failure)
{
    auto *errors = reinterpret_cast<ErrorManager *>(cinfo->err);
    errors->failure = failure;
    std::longjmp(errors->jump, 1);
}

[[noreturn]] void errorExit(j_common_ptr cinfo)
{
    fail(cinfo, failureFor(cinfo->err->msg_code));
}

void emitMessage(j_common_ptr cinfo, int level)
{
    if (level >= 0)
        return; // trace messages
    switch (cinfo->err->msg_code) {
    // libjpeg pads what is missing and goes on, which would show a picture with a grey
    // or smeared part: for a praise picture that is a broken file.
    case JWRN_JPEG_EOF:
    case JWRN_HIT_MARKER:
    case JWRN_HUFF_BAD_CODE:
#if JPEG_LIB_VERSION >= 70 || defined(D_ARITH_CODING_SUPPORTED)
    case JWRN_ARITH_BAD_CODE:
#endif
    case JWRN_MUST_RESYNC:
    case JWRN_NOT_SEQUENTIAL:
        errorExit(cinfo);
    default:
        // Stray bytes between markers and odd but harmless headers: the picture is whole.
        ++cinfo->err->num_warnings;
    }
}

void outputMessage(j_common_ptr) {}

void monitorProgress(j_common_ptr cinfo)
{
    auto *progress = reinterpret_cast<ProgressMonitor *>(cinfo->progress);
    const auto *decompress = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (decompress->input_scan_number > progress->maxScans)
        fail(cinfo, picture::Failure::TooManyScans);
    if (progress->cancel && progress->cancel->load(std::memory_order_relaxed))
        fail(cinfo, picture::Failure::Cancelled);
}

J_COLOR_SPACE rgb32ColorSpace()
{
#if defined(JCS_ALPHA_EXTENSIONS)
    // Format_RGB32 is 0xffRRGGBB in native order; the alpha variants set the 0xff.
    return QSysInfo::ByteOrder == QSysInfo::LittleEndian ? JCS_EXT_BGRA : JCS_EXT_ARGB;
#else
    return JCS_RGB;
#endif
}

bool isCmyk(J_COLOR_SPACE space)
{
    return space == JCS_CMYK || space == JCS_YCCK;
}

void applyOptions(Session &s)
{
    jpeg_decompress_struct &cinfo = s.cinfo;
    const Options &o = s.options;
    s.convertCmyk = isCmyk(cinfo.jpeg_color_space);
    if (s.convertCmyk)
        cinfo.out_color_space = JCS_CMYK; // made grey or 8 bit after the conversion
    else if (o.grayScale)
        cinfo.out_color_space = JCS_GRAYSCALE;
    else if (o.pixelFormat == Options::PixelFormat::Bits8)
        cinfo.out_color_space = JCS_RGB;
    else
        cinfo.out_color_space = rgb32ColorSpace();

    cinfo.quantize_colors =
        !s.convertCmyk && !o.grayScale && o.pixelFormat == Options::PixelFormat::Bits8;
    if (cinfo.quantize_colors) {
        cinfo.desired_number_of_colors = 256;
        cinfo.two_pass_quantize = TRUE;
        cinfo.dither_mode = JDITHER_FS;
    }
    cinfo.buffered_image = o.progressiveDisplay && jpeg_has_multiple_scans(&cinfo);
    const bool best = o.performance == Options::Performance::BestQuality;
    cinfo.dct_method = best ? JDCT_ISLOW : JDCT_IFAST;
    cinfo.do_fancy_upsampling = best;
    cinfo.scale_num = 1;
    switch (o.scale) {
    case Options::Scale::FullSize:
        cinfo.scale_denom = 1;
        break;
    case Options::Scale::Half:
        cinfo.scale_denom = 2;
        break;
    case Options::Scale::Quarter:
        cinfo.scale_denom = 4;
        break;
    case Options::Scale::Eighth:
        cinfo.scale_denom = 8;
        break;
    }
    cinfo.do_block_smoothing = o.smoothing;
}

QImage::Format imageFormat(const Session &s)
{
    if (s.convertCmyk)
        return QImage::Format_RGB32;
    if (s.cinfo.out_color_space == JCS_GRAYSCALE)
        return QImage::Format_Grayscale8;
    if (s.cinfo.quantize_colors)
        return QImage::Format_Indexed8;
    return QImage::Format_RGB32;
}

// Rows that libjpeg cannot write into the image as they are go through `row`.
bool needsRowBuffer(const Session &s)
{
    return s.convertCmyk || (s.cinfo.out_color_space == JCS_RGB && !s.cinfo.quantize_colors);
}

void convertRow(const Session &s, const JSAMPLE *in, QRgb *out)
{
    const auto width = s.cinfo.output_width;
    if (!s.convertCmyk) { // plain RGB from a libjpeg without the extended colour spaces
        for (JDIMENSION x = 0; x < width; ++x, in += 3)
            out[x] = qRgb(in[0], in[1], in[2]);
        return;
    }
    // Adobe writes the inks inverted; other writers store them plainly.
    const bool inverted = s.cinfo.saw_Adobe_marker;
    for (JDIMENSION x = 0; x < width; ++x, in += 4) {
        const int c = inverted ? in[0] : 255 - in[0];
        const int m = inverted ? in[1] : 255 - in[1];
        const int y = inverted ? in[2] : 255 - in[2];
        const int k = inverted ? in[3] : 255 - in[3];
        out[x] = qRgb(c * k / 255, m * k / 255, y * k / 255);
    }
}

void readRows(Session &s)
{
    jpeg_decompress_struct &cinfo = s.cinfo;
    const bool buffered = needsRowBuffer(s);
    if (buffered)
        s.row.resize(std::size_t(cinfo.output_width) * std::size_t(cinfo.output_components));
    while (cinfo.output_scanline < cinfo.output_height) {
        const int y = int(cinfo.output_scanline);
        JSAMPROW target = buffered ? s.row.data() : s.image.scanLine(y);
        if (jpeg_read_scanlines(&cinfo, &target, 1) != 1)
            ERREXIT(&cinfo, JERR_INPUT_EOF);
        if (buffered)
            convertRow(s, s.row.data(), reinterpret_cast<QRgb *>(s.image.scanLine(y)));
    }
}

// Runs under the jump set in run(): only trivially destructible locals here.
void decodeSteps(Session &s, const JOCTET *data, unsigned long size)
{
    jpeg_decompress_struct &cinfo = s.cinfo;
    jpeg_mem_src(&cinfo, data, size);
    jpeg_read_header(&cinfo, TRUE);
    // libjpeg's own buffers grow with the picture: a progressive file keeps every
    // coefficient. Past this a request fails instead of allocating.
    cinfo.mem->max_memory_to_use =
        long(qMin<qint64>(s.limits.maxPixels * 24 + (32 << 20), std::numeric_limits<long>::max()));
    if (qint64(cinfo.image_width) * qint64(cinfo.image_height) > s.limits.maxPixels)
        fail(reinterpret_cast<j_common_ptr>(&cinfo), picture::Failure::TooLarge);
    applyOptions(s);
    jpeg_start_decompress(&cinfo);
    s.image = QImage(int(cinfo.output_width), int(cinfo.output_height), imageFormat(s));
    if (s.image.isNull())
        fail(reinterpret_cast<j_common_ptr>(&cinfo), picture::Failure::TooLarge);
    if (cinfo.buffered_image) {
        while (jpeg_consume_input(&cinfo) != JPEG_REACHED_EOI) {
        }
        jpeg_start_output(&cinfo, cinfo.input_scan_number);
        readRows(s);
        jpeg_finish_output(&cinfo);
    } else {
        readRows(s);
    }
    if (cinfo.quantize_colors) {
        QList<QRgb> table;
        for (int i = 0; i < cinfo.actual_number_of_colors; ++i)
            table << qRgb(cinfo.colormap[0][i], cinfo.colormap[1][i], cinfo.colormap[2][i]);
        s.image.setColorTable(table);
    }
    jpeg_finish_decompress(&cinfo);
}

bool run(Session &s, const JOCTET *data, unsigned long size)
{
    if (setjmp(s.errors.jump))
        return false;
    decodeSteps(s, data, size);
    return true;
}

} // namespace

QString Result::reason() const
{
    return picture::reason(failure, size, maxScans);
}

Result decode(QByteArrayView bytes, const Options &options, const Limits &limits)
{
    Session s;
    s.options = options;
    s.limits = limits;
    s.cinfo.err = jpeg_std_error(&s.errors.pub);
    s.errors.pub.error_exit = errorExit;
    s.errors.pub.emit_message = emitMessage;
    s.errors.pub.output_message = outputMessage;
    s.progress.pub.progress_monitor = monitorProgress;
    s.progress.maxScans = limits.maxScans;
    s.progress.cancel = limits.cancel;

    Result result;
    result.maxScans = limits.maxScans;
    if (setjmp(s.errors.jump)) { // jpeg_create_decompress itself may fail
        result.failure = s.errors.failure;
        return result;
    }
    jpeg_create_decompress(&s.cinfo);
    s.cinfo.progress = &s.progress.pub;

    const bool ok = run(s, reinterpret_cast<const JOCTET *>(bytes.data()),
                        static_cast<unsigned long>(bytes.size()));
    if (s.cinfo.image_width > 0)
        result.size = QSize(int(qMin<JDIMENSION>(s.cinfo.image_width, INT_MAX)),
                            int(qMin<JDIMENSION>(s.cinfo.image_height, INT_MAX)));
    jpeg_destroy_decompress(&s.cinfo);
    if (!ok)
        result.failure = s.errors.failure;
    else if (s.convertCmyk && options.grayScale)
        result.image = s.image.convertToFormat(QImage::Format_Grayscale8);
    else if (s.convertCmyk && options.pixelFormat == Options::PixelFormat::Bits8)
        result.image = s.image.convertToFormat(QImage::Format_Indexed8);
    else
        result.image = std::move(s.image);
    return result;
}

} // namespace jpeg
