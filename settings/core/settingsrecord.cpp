#include "settings/core/settingsrecord.h"

#include "exercise/core/ansi.h"
#include "exercise/core/fileio.h"

#include <QtEndian>
#include <algorithm>
#include <cstring>

namespace settings {
namespace {

// Field offsets of the record and of the font record inside it.
namespace at {
constexpr int reaction = 0;
constexpr int praise = 1;
constexpr int pictureGrid = 2;
constexpr int wordsPerPass = 3;
constexpr int selectionFont = 4;
constexpr int selectedTextColor = 48;
constexpr int selectionBackground = 52;
constexpr int glideSpeed = 56;
constexpr int glideSpacing = 57;
constexpr int displayFont = 60;
constexpr int shortTimeForWords = 104;
constexpr int shortTimeDelay = 106;
constexpr int displayBackground = 108;
constexpr int writingFont = 112;
constexpr int wrongLetterColor = 156;
constexpr int readingFingerColor = 160;
constexpr int readingFingerSpeed = 164;
constexpr int writingBackground = 168;
constexpr int writingWindowBackground = 172;
constexpr int comparisonFont = 176;
constexpr int comparisonColor = 220;
constexpr int comparisonErrorColor = 224;
constexpr int noComparison = 228;
constexpr int wholeGroupAsError = 229;
constexpr int hiddenLetterChar = 230;
constexpr int hiddenPartChar = 231;
constexpr int comparisonBackground = 232;

namespace font {
constexpr int color = 0;
constexpr int height = 4;
constexpr int name = 6;
constexpr int pitch = 38;
constexpr int size = 40;
constexpr int style = 42;
} // namespace font
} // namespace at

class Writer {
public:
    Writer() : m_bytes(recordSize, '\0') {}
    QByteArray bytes() const { return m_bytes; }

    void byte(int offset, quint8 value) { m_bytes[offset] = char(value); }
    void u16(int offset, quint16 value) { qToLittleEndian(value, ptr(offset)); }
    void i16(int offset, int value)
    {
        qToLittleEndian(qint16(std::clamp(value, -32768, 32767)), ptr(offset));
    }
    void color(int offset, ColorValue value) { qToLittleEndian(quint32(value), ptr(offset)); }

    void font(int offset, const FontSpec &fontValue)
    {
        color(offset + at::font::color, fontValue.color);
        i16(offset + at::font::height, fontValue.height);
        QByteArray name;
        for (QChar ch : fontValue.name.left(longestFontName)) {
            const int b = ansi::toByte(ch);
            name.append(char(b < 0 ? '?' : b));
        }
        byte(offset + at::font::name, quint8(name.size()));
        std::memcpy(ptr(offset + at::font::name + 1), name.constData(), size_t(name.size()));
        byte(offset + at::font::pitch, fontValue.pitch);
        i16(offset + at::font::size, fontValue.size);
        byte(offset + at::font::style, fontValue.style);
    }

private:
    uchar *ptr(int offset) { return reinterpret_cast<uchar *>(m_bytes.data()) + offset; }
    QByteArray m_bytes;
};

class Reader {
public:
    explicit Reader(QByteArrayView bytes) : m_data(reinterpret_cast<const uchar *>(bytes.data())) {}

    quint8 byte(int offset) const { return m_data[offset]; }
    bool boolean(int offset) const { return m_data[offset] != 0; }
    quint16 u16(int offset) const { return qFromLittleEndian<quint16>(m_data + offset); }
    qint16 i16(int offset) const { return qFromLittleEndian<qint16>(m_data + offset); }
    ColorValue color(int offset) const { return qFromLittleEndian<quint32>(m_data + offset); }

    FontSpec font(int offset) const
    {
        FontSpec fontValue;
        fontValue.color = color(offset + at::font::color);
        fontValue.height = i16(offset + at::font::height);
        const int length = std::min<int>(byte(offset + at::font::name), longestFontName);
        fontValue.name = ansi::decode(QByteArrayView(m_data + offset + at::font::name + 1, length));
        fontValue.pitch = byte(offset + at::font::pitch);
        fontValue.size = i16(offset + at::font::size);
        fontValue.style = byte(offset + at::font::style);
        return fontValue;
    }

private:
    const uchar *m_data;
};

} // namespace

bool canStoreFontName(const QString &name)
{
    return name.size() <= longestFontName && ansi::unencodableCharacters(name).isEmpty();
}

SettingsRecord dialogDefaults()
{
    using namespace colors;
    const QString arial = QStringLiteral("Arial");
    SettingsRecord r;
    r.reaction = 1;
    r.praise = 1;
    r.pictureGrid = 1;
    r.wordsPerPass = 1;
    r.selectionFont = FontSpec::make(arial, -80, FontSpec::Bold, clWindowText);
    r.selectedTextColor = clBlue;
    r.selectionBackground = clWhite;
    r.glideSpeed = 3;
    r.glideSpacing = 3;
    r.displayFont = FontSpec::make(arial, -57, FontSpec::Bold, clWhite);
    r.shortTimeForWords = false;
    r.shortTimeDelay = 1;
    r.displayBackground = clBlack;
    r.writingFont = FontSpec::make(arial, -80, FontSpec::Bold, clBlack);
    r.wrongLetterColor = clRed;
    r.readingFingerColor = clRed;
    r.readingFingerSpeed = 4;
    r.writingBackground = clWhite;
    r.writingWindowBackground = clBtnFace;
    r.comparisonFont = FontSpec::make(arial, -45, FontSpec::Bold, clBlack);
    r.comparisonColor = clBlue;
    r.comparisonErrorColor = clRed;
    r.noComparison = false;
    r.wholeGroupAsError = false;
    r.hiddenLetterChar = '_';
    r.hiddenPartChar = 0xAC; // "¬"
    r.comparisonBackground = clBtnFace;
    return r;
}

QByteArray writeSettingsRecord(const SettingsRecord &r)
{
    Writer w;
    w.byte(at::reaction, r.reaction);
    w.byte(at::praise, r.praise);
    w.byte(at::pictureGrid, r.pictureGrid);
    w.byte(at::wordsPerPass, r.wordsPerPass);
    w.font(at::selectionFont, r.selectionFont);
    w.color(at::selectedTextColor, r.selectedTextColor);
    w.color(at::selectionBackground, r.selectionBackground);
    w.byte(at::glideSpeed, r.glideSpeed);
    w.byte(at::glideSpacing, r.glideSpacing);
    w.font(at::displayFont, r.displayFont);
    w.byte(at::shortTimeForWords, r.shortTimeForWords ? 1 : 0);
    w.u16(at::shortTimeDelay, r.shortTimeDelay);
    w.color(at::displayBackground, r.displayBackground);
    w.font(at::writingFont, r.writingFont);
    w.color(at::wrongLetterColor, r.wrongLetterColor);
    w.color(at::readingFingerColor, r.readingFingerColor);
    w.byte(at::readingFingerSpeed, r.readingFingerSpeed);
    w.color(at::writingBackground, r.writingBackground);
    w.color(at::writingWindowBackground, r.writingWindowBackground);
    w.font(at::comparisonFont, r.comparisonFont);
    w.color(at::comparisonColor, r.comparisonColor);
    w.color(at::comparisonErrorColor, r.comparisonErrorColor);
    w.byte(at::noComparison, r.noComparison ? 1 : 0);
    w.byte(at::wholeGroupAsError, r.wholeGroupAsError ? 1 : 0);
    w.byte(at::hiddenLetterChar, r.hiddenLetterChar);
    w.byte(at::hiddenPartChar, r.hiddenPartChar);
    w.color(at::comparisonBackground, r.comparisonBackground);
    return w.bytes();
}

std::optional<SettingsRecord> readSettingsRecord(QByteArrayView bytes, IoError *error)
{
    if (bytes.size() < recordSize) {
        if (error)
            *error = {IoError::ReadPastEnd};
        return std::nullopt;
    }
    const Reader in(bytes);
    SettingsRecord r;
    r.reaction = in.byte(at::reaction);
    r.praise = in.byte(at::praise);
    r.pictureGrid = in.byte(at::pictureGrid);
    r.wordsPerPass = in.byte(at::wordsPerPass);
    r.selectionFont = in.font(at::selectionFont);
    r.selectedTextColor = in.color(at::selectedTextColor);
    r.selectionBackground = in.color(at::selectionBackground);
    r.glideSpeed = in.byte(at::glideSpeed);
    r.glideSpacing = in.byte(at::glideSpacing);
    r.displayFont = in.font(at::displayFont);
    r.shortTimeForWords = in.boolean(at::shortTimeForWords);
    r.shortTimeDelay = in.u16(at::shortTimeDelay);
    r.displayBackground = in.color(at::displayBackground);
    r.writingFont = in.font(at::writingFont);
    r.wrongLetterColor = in.color(at::wrongLetterColor);
    r.readingFingerColor = in.color(at::readingFingerColor);
    r.readingFingerSpeed = in.byte(at::readingFingerSpeed);
    r.writingBackground = in.color(at::writingBackground);
    r.writingWindowBackground = in.color(at::writingWindowBackground);
    r.comparisonFont = in.font(at::comparisonFont);
    r.comparisonColor = in.color(at::comparisonColor);
    r.comparisonErrorColor = in.color(at::comparisonErrorColor);
    r.noComparison = in.boolean(at::noComparison);
    r.wholeGroupAsError = in.boolean(at::wholeGroupAsError);
    r.hiddenLetterChar = in.byte(at::hiddenLetterChar);
    r.hiddenPartChar = in.byte(at::hiddenPartChar);
    r.comparisonBackground = in.color(at::comparisonBackground);
    if (error)
        *error = {};
    return r;
}

std::optional<SettingsRecord> readSettingsFile(const QString &path, IoError *error)
{
    const std::optional<QByteArray> bytes = readFileStart(path, recordSize, error);
    if (!bytes)
        return std::nullopt;
    return readSettingsRecord(*bytes, error);
}

WriteResult writeSettingsFile(const QString &path, const SettingsRecord &record)
{
    WriteResult result;
    for (const FontSpec *font : {&record.selectionFont, &record.displayFont, &record.writingFont,
                                 &record.comparisonFont}) {
        for (const QChar ch : ansi::unencodableCharacters(font->name)) {
            if (!result.unencodable.contains(ch))
                result.unencodable += ch;
        }
    }
    if (result.unencodable.isEmpty())
        result = writeFileAtomically(path, writeSettingsRecord(record));
    return result;
}

} // namespace settings
