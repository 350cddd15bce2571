#include "writing/core/jpegdecoder.h"

#include <QSysInfo>
#include <climits>
#include <cstring>
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
//                          eighth            (or fewer eighths: the smallest that
//                                            still covers the size it is shown at)
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
    const Limits *limits;
    int scansCounted; // the scans whose block work is in `work`
    qint64 work;
    qint64 size; // of the file
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
        return Failure::TooLarge;
    case JERR_OUT_OF_MEMORY:
        return Failure::OutOfMemory;
    // More than the memory limit: libjpeg would need to swap to a file.
    case JERR_NO_BACKING_STORE:
    case JERR_TFILE_CREATE:
        return Failure::TooCostly;
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

// What one coefficient of one block in a scan's band and one byte of a scan's data cost
// libjpeg-turbo, in Cost's units; measured on dense and on empty pictures.
struct Weights {
    qint64 perCoefficient;
    qint64 perByte;
};

Weights weightsFor(bool progressive, bool arithmetic)
{
    if (arithmetic)
        return {4, 240};
    if (progressive)
        return {2, 50};
    return {1, 12};
}

// The block work of the scan libjpeg has just read the header of, as countCost counts it.
qint64 scanWork(const jpeg_decompress_struct &cinfo)
{
    qint64 blocks = 0;
    if (cinfo.comps_in_scan == 1) {
        const jpeg_component_info *component = cinfo.cur_comp_info[0];
        blocks = qint64(component->width_in_blocks) * component->height_in_blocks;
    } else {
        blocks = qint64(cinfo.MCUs_per_row) * cinfo.MCU_rows_in_scan * cinfo.blocks_in_MCU;
    }
    const qint64 band = cinfo.progressive_mode ? qMax(1, cinfo.Se - cinfo.Ss + 1) : DCTSIZE2;
    return blocks * band * weightsFor(cinfo.progressive_mode, cinfo.arith_code).perCoefficient;
}

// Called before every row of blocks libjpeg reads and every row it puts out, so also
// before each scan's data: the budget is checked before the scan costs anything.
void monitorProgress(j_common_ptr cinfo)
{
    auto *progress = reinterpret_cast<ProgressMonitor *>(cinfo->progress);
    const auto *decompress = reinterpret_cast<j_decompress_ptr>(cinfo);
    const Limits &limits = *progress->limits;
    if (decompress->input_scan_number > progress->scansCounted) {
        progress->scansCounted = decompress->input_scan_number;
        if (progress->scansCounted > limits.maxScans)
            fail(cinfo, picture::Failure::TooManyScans);
        progress->work += scanWork(*decompress);
        // With the data read so far (that of the scans before): a file whose markers
        // countCost could not follow is held to the budget all the same.
        const qint64 read = progress->size - qint64(decompress->src->bytes_in_buffer);
        const qint64 perByte =
            weightsFor(decompress->progressive_mode, decompress->arith_code).perByte;
        if (progress->work + read * perByte > limits.maxWork)
            fail(cinfo, picture::Failure::TooCostly);
    }
    if (limits.cancel && limits.cancel->load(std::memory_order_relaxed))
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
    cinfo.do_block_smoothing = o.smoothing;
}

int eighthsOf(Options::Scale scale)
{
    switch (scale) {
    case Options::Scale::FullSize:
        return 8;
    case Options::Scale::Half:
        return 4;
    case Options::Scale::Quarter:
        return 2;
    case Options::Scale::Eighth:
        return 1;
    }
    return 8;
}

// The fewest eighths whose picture covers the size it is shown at: each eighth less is
// less work for the inverse DCT and less memory for every row after it.
void chooseScale(Session &s)
{
    jpeg_decompress_struct &cinfo = s.cinfo;
    const int most = eighthsOf(s.options.scale);
    const QSize shown = s.limits.shownAt;
    cinfo.scale_denom = 8;
    for (int eighths = 1; eighths < most && !shown.isEmpty(); ++eighths) {
        cinfo.scale_num = unsigned(eighths);
        jpeg_calc_output_dimensions(&cinfo);
        if (cinfo.output_width >= JDIMENSION(shown.width()) &&
            cinfo.output_height >= JDIMENSION(shown.height()))
            return;
    }
    cinfo.scale_num = unsigned(most);
    jpeg_calc_output_dimensions(&cinfo);
}

// What libjpeg needs for this picture at the chosen scale: the coefficients of every
// block when the file has several scans (or is shown pass by pass), the whole output
// again for two-pass quantising, and rows of every component at the output's width.
qint64 memoryNeeded(jpeg_decompress_struct &cinfo)
{
    qint64 bytes = 16LL << 20;
    if (jpeg_has_multiple_scans(&cinfo) || cinfo.buffered_image) {
        for (int i = 0; i < cinfo.num_components; ++i) {
            const jpeg_component_info &c = cinfo.comp_info[i];
            const qint64 columns = (qint64(c.width_in_blocks) + c.h_samp_factor - 1) /
                                   c.h_samp_factor * c.h_samp_factor;
            const qint64 rows = (qint64(c.height_in_blocks) + c.v_samp_factor - 1) /
                                c.v_samp_factor * c.v_samp_factor;
            bytes += columns * rows * qint64(sizeof(JBLOCK));
        }
    }
    if (cinfo.quantize_colors && cinfo.two_pass_quantize)
        bytes += qint64(cinfo.output_width) * cinfo.output_height * cinfo.out_color_components;
    bytes += qint64(cinfo.output_width) * qMax(cinfo.num_components, 4) * 2 * DCTSIZE2;
    return bytes;
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
    const auto common = reinterpret_cast<j_common_ptr>(&cinfo);
    if (qint64(cinfo.image_width) * qint64(cinfo.image_height) > s.limits.maxPixels)
        fail(common, picture::Failure::TooLarge);
    applyOptions(s);
    chooseScale(s);
    // libjpeg's own buffers grow with the picture; past what this one needs a request
    // fails instead of allocating.
    const qint64 needed = memoryNeeded(cinfo);
    if (needed > s.limits.maxMemoryBytes)
        fail(common, picture::Failure::TooCostly);
    cinfo.mem->max_memory_to_use = long(qMin<qint64>(needed, std::numeric_limits<long>::max()));
    jpeg_start_decompress(&cinfo);
    s.image = QImage(int(cinfo.output_width), int(cinfo.output_height), imageFormat(s));
    if (s.image.isNull())
        fail(common, picture::Failure::TooLarge);
    if (cinfo.buffered_image) {
        // jpeg_consume_input does not call the monitor itself.
        do {
            monitorProgress(common);
        } while (jpeg_consume_input(&cinfo) != JPEG_REACHED_EOI);
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

Cost countCost(QByteArrayView bytes)
{
    Cost cost;
    const auto *p = reinterpret_cast<const uchar *>(bytes.data());
    const qsizetype n = bytes.size();
    if (n < 2 || p[0] != 0xFF || p[1] != 0xD8)
        return cost;
    struct Component {
        int id, h, v;
    };
    std::vector<Component> components;
    qint64 width = 0;
    qint64 height = 0;
    int hMax = 1;
    int vMax = 1;
    bool progressive = false;
    bool arithmetic = false;
    auto blocks = [](qint64 extent, int factor, int most) {
        return (extent * factor + 8 * most - 1) / (8 * most);
    };
    qsizetype at = 2;
    while (at < n) {
        // As libjpeg does: bytes before a marker are skipped, and so are fill bytes.
        if (p[at] != 0xFF) {
            ++at;
            continue;
        }
        while (at < n && p[at] == 0xFF)
            ++at;
        if (at >= n)
            break;
        const uchar marker = p[at++];
        if (marker == 0x00 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8))
            continue; // no segment follows
        if (marker == 0xD9 || at + 2 > n)
            break;
        const int length = p[at] << 8 | p[at + 1];
        if (length < 2 || at + length > n)
            break;
        const uchar *segment = p + at + 2;
        const int size = length - 2;
        at += length;
        const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 &&
                           marker != 0xC8 && marker != 0xCC;
        if (frame && size >= 6) {
            progressive = marker == 0xC2 || marker == 0xC6 || marker == 0xCA || marker == 0xCE;
            arithmetic = marker >= 0xC9;
            height = segment[1] << 8 | segment[2];
            width = segment[3] << 8 | segment[4];
            cost.size = QSize(int(width), int(height));
            components.clear();
            for (int i = 0; i < segment[5] && 6 + 3 * i + 2 < size; ++i) {
                const uchar *c = segment + 6 + 3 * i;
                components.push_back({c[0], qMax(1, c[1] >> 4), qMax(1, c[1] & 15)});
                hMax = qMax(hMax, components.back().h);
                vMax = qMax(vMax, components.back().v);
            }
        } else if (marker == 0xDA && size >= 1 && size >= 1 + 2 * segment[0] + 3) {
            const int inScan = segment[0];
            qint64 scanBlocks = 0;
            if (inScan > 1) { // interleaved: whole MCUs
                qint64 perMcu = 0;
                for (int i = 0; i < inScan; ++i) {
                    for (const Component &c : components)
                        perMcu += c.id == segment[1 + 2 * i] ? c.h * c.v : 0;
                }
                scanBlocks = (width + 8 * hMax - 1) / (8 * hMax) *
                             ((height + 8 * vMax - 1) / (8 * vMax)) * perMcu;
            } else {
                for (const Component &c : components) {
                    if (c.id == segment[1])
                        scanBlocks += blocks(width, c.h, hMax) * blocks(height, c.v, vMax);
                }
            }
            const int ss = segment[1 + 2 * inScan];
            const int se = segment[2 + 2 * inScan];
            const qint64 band = progressive ? qMax(1, se - ss + 1) : DCTSIZE2;
            const Weights weights = weightsFor(progressive, arithmetic);
            ++cost.scans;
            cost.work += scanBlocks * band * weights.perCoefficient;
            const qsizetype dataStart = at;
            // The scan's data runs to the next marker that is no restart marker and no
            // stuffed zero.
            while (at < n) {
                const void *ff = std::memchr(p + at, 0xFF, std::size_t(n - at));
                if (!ff) {
                    at = n;
                    break;
                }
                at = static_cast<const uchar *>(ff) - p;
                qsizetype next = at + 1;
                while (next < n && p[next] == 0xFF)
                    ++next;
                if (next < n && (p[next] == 0x00 || (p[next] >= 0xD0 && p[next] <= 0xD7))) {
                    at = next + 1;
                    continue;
                }
                break;
            }
            cost.work += (at - dataStart) * weights.perByte;
        }
    }
    return cost;
}

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
    s.progress.limits = &s.limits;
    s.progress.size = bytes.size();

    Result result;
    result.maxScans = limits.maxScans;
    // What the markers promise is refused before libjpeg allocates anything.
    const Cost cost = countCost(bytes);
    if (qint64(cost.size.width()) * cost.size.height() > limits.maxPixels) {
        result.failure = picture::Failure::TooLarge;
        result.size = cost.size;
        return result;
    }
    if (cost.scans > limits.maxScans || cost.work > limits.maxWork) {
        result.failure = cost.scans > limits.maxScans ? picture::Failure::TooManyScans
                                                      : picture::Failure::TooCostly;
        return result;
    }
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
