#pragma once
// The record of a freshly created settings dialog, written out byte by byte from the
// file layout, for the tests that check what the program writes.

#include <QByteArray>

namespace testdata {

// The name field of a font record holding "Arial": length, five letters, 26 zero bytes.
inline const char arialField[] = "05417269616C"
                                 "0000000000000000000000000000000000000000000000000000";

inline QByteArray hex(const QByteArray &text)
{
    return QByteArray::fromHex(text);
}

// A font record written out from the layout: colour, height, name, pitch, pad, size,
// style, pad.
inline QByteArray fontRecord(const char *color, const char *height, const char *size)
{
    return hex(color) + hex(height) + hex(arialField) + hex("0000") + hex(size) + hex("0100");
}

// The record of a freshly created settings dialog, byte by byte from the file layout.
inline QByteArray defaultRecordBytes()
{
    QByteArray r;
    r += hex("01010101");                        //   0 reaction, praise, grid, words
    r += fontRecord("08000080", "B0FF", "3C00"); //   4 Label14: clWindowText, -80, 60
    r += hex("0000FF00");                        //  48 Label15: clBlue
    r += hex("FFFFFF00");                        //  52 Panel8: clWhite
    r += hex("03030000");                        //  56 speed 3, spacing 3, padding
    r += fontRecord("FFFFFF00", "C7FF", "2B00"); //  60 Label1: clWhite, -57, 43
    r += hex("00000100");                        // 104 CheckBox1 off, padding, TrackBar5 1
    r += hex("00000000");                        // 108 Panel1: clBlack
    r += fontRecord("00000000", "B0FF", "3C00"); // 112 Label4: clBlack, -80, 60
    r += hex("FF000000");                        // 156 Label11: clRed
    r += hex("FF000000");                        // 160 Label10: clRed
    r += hex("04000000");                        // 164 TrackBar3 4, padding
    r += hex("FFFFFF00");                        // 168 Panel2: clWhite
    r += hex("0F000080");                        // 172 Panel5: clBtnFace
    r += fontRecord("00000000", "D3FF", "2200"); // 176 Label7: clBlack, -45, 34
    r += hex("0000FF00");                        // 220 Label12: clBlue
    r += hex("FF000000");                        // 224 Label13: clRed
    r += hex("00005FAC");                        // 228 check boxes off, "_", "¬"
    r += hex("0F000080");                        // 232 Panel6: clBtnFace
    return r;
}

} // namespace testdata
