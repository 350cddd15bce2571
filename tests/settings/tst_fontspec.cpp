#include "settings/core/colorvalue.h"
#include "settings/core/fontlist.h"
#include "settings/core/fontspec.h"
#include "settings/core/loadrules.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPalette>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace settings;

class TestFontSpec : public QObject {
    Q_OBJECT
private slots:
    void heightsAndSizesFollowEachOther_data()
    {
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("size");
        QTest::addRow("selection and writing font") << -80 << 60;
        QTest::addRow("display font") << -57 << 43;
        QTest::addRow("comparison font") << -45 << 34;
        QTest::addRow("font dialog preview") << -47 << 35;
        QTest::addRow("28 points") << -37 << 28;
        QTest::addRow("10 points") << -13 << 10;
        QTest::addRow("cell height gives a negative size") << 20 << -15;
        QTest::addRow("default height") << 0 << 0;
    }
    void heightsAndSizesFollowEachOther()
    {
        QFETCH(int, height);
        QFETCH(int, size);
        QCOMPARE(sizeForHeight(height), size);
        FontSpec fontValue;
        fontValue.setHeight(height);
        QCOMPARE(fontValue.size, size);
    }

    void sizesComeBackFromTheirHeights()
    {
        for (int points = -200; points <= 400; ++points)
            QCOMPARE(sizeForHeight(heightForSize(points)), points);
        QCOMPARE(heightForSize(28), -37);
        QCOMPARE(mulDiv(-57, 72, 96), -43); // halves and more round away from zero
        QCOMPARE(mulDiv(3, 1, 2), 2);
        QCOMPARE(mulDiv(-3, 1, 2), -2);
    }

    void theStoredSizeDecidesTheHeight()
    {
        const FontSpec stored{0x80000008, -10, u"Arial"_s,
                              1,          28,  FontSpec::Bold | FontSpec::Italic};
        const FontSpec font = assignedFont(stored);
        QCOMPARE(font.height, -37);
        QCOMPARE(font.size, 28);
        QCOMPARE(font.name, u"Arial"_s);
        QCOMPARE(font.color, 0x80000008u);
        QCOMPARE(font.pitch, quint8(1));
        QCOMPARE(font.style, quint8(3));
        // A size of zero falls back to the default height, whatever height was stored.
        QCOMPARE(assignedFont({0, -47, u"Arial"_s, 0, 0, 0}).height, 0);
    }

    void styleBitsAreSetOneByOne()
    {
        FontSpec fontValue;
        fontValue.style = FontSpec::Italic | FontSpec::StrikeOut;
        fontValue.setStyle(FontSpec::Bold, true);
        QCOMPARE(fontValue.style, quint8(11));
        fontValue.setStyle(FontSpec::Italic, false);
        QCOMPARE(fontValue.style, quint8(9));
    }

    void drawingFontKeepsTheStoredFace()
    {
        const FontSpec fontValue =
            FontSpec::make(u"Arial"_s, -57, FontSpec::Bold | FontSpec::Underline, 0);
        const QFont font = toQFont(fontValue);
        QCOMPARE(font.family(), u"Arial"_s);
        QCOMPARE(font.pixelSize(), 57);
        QCOMPARE(font.weight(), QFont::Bold);
        QVERIFY(font.underline());
        QVERIFY(!font.italic());
        QVERIFY(!font.strikeOut());
        if (!QFontDatabase::families().contains(u"Arial"_s)) {
            // Without Arial the platform draws its metric-compatible substitute.
            if (QFontDatabase::families().contains(u"Liberation Sans"_s))
                QCOMPARE(QFontInfo(font).family(), u"Liberation Sans"_s);
            QVERIFY(QFontInfo(font).family() != u"Arial"_s);
        }
    }

    void positiveHeightIsTheCellHeight()
    {
        const QFont font = toQFont(FontSpec::make(u"Arial"_s, 100, 0, 0));
        const QFontMetricsF metrics(font);
        QVERIFY(font.pixelSize() < 100);
        QVERIFY(qAbs(metrics.ascent() + metrics.descent() - 100) <= 2);
    }

    void absurdHeightsStayDrawable()
    {
        FontSpec fontValue = FontSpec::make(u"Arial"_s, -32768, 0, 0);
        QCOMPARE(toQFont(fontValue).pixelSize(), 4000);
        // Height 0 leaves the platform's default size.
        fontValue.height = 0;
        QCOMPARE(toQFont(fontValue).pixelSize(), -1);
        QVERIFY(toQFont(fontValue).pointSize() > 0);
    }

    void aConfirmedSubstituteKeepsTheStoredName()
    {
        const FontSpec previous = FontSpec::make(u"Arial"_s, -80, FontSpec::Bold, 0x80000008);
        QFont chosen(QFontInfo(toQFont(previous)).family());
        chosen.setPointSize(20);
        chosen.setItalic(true);
        const FontSpec fontValue = fromQFont(chosen, 0xFF, previous);
        QCOMPARE(fontValue.name, u"Arial"_s);
        QCOMPARE(fontValue.size, 20);
        QCOMPARE(fontValue.height, -27);
        QCOMPARE(fontValue.style, quint8(FontSpec::Italic));
        QCOMPARE(fontValue.color, 0xFFu);

        QFont other(u"DejaVu Serif"_s);
        other.setPointSize(12);
        other.setBold(true);
        const FontSpec changed = fromQFont(other, 0, previous);
        QCOMPARE(changed.name, u"DejaVu Serif"_s);
        QCOMPARE(changed.style, quint8(FontSpec::Bold));
        // The dialogs are preset in points.
        QCOMPARE(toDialogFont(previous).pointSize(), 60);
    }

    void colourValuesShowAsTheirColours_data()
    {
        QTest::addColumn<quint32>("value");
        QTest::addColumn<QColor>("color");
        QTest::addRow("red is the low byte") << 0x0000FFu << QColor(255, 0, 0);
        QTest::addRow("blue is the high byte") << 0xFF0000u << QColor(0, 0, 255);
        QTest::addRow("mixed") << 0x00102030u << QColor(0x30, 0x20, 0x10);
        QTest::addRow("palette-relative colour") << 0x02008000u << QColor(0, 0x80, 0);
        QTest::addRow("unknown system colour") << 0x800000FFu << QColor(Qt::black);
    }
    void colourValuesShowAsTheirColours()
    {
        QFETCH(quint32, value);
        QFETCH(QColor, color);
        QCOMPARE(toQColor(value), color);
    }

    void systemColoursFollowThePalette_data()
    {
        QTest::addColumn<quint32>("value");
        QTest::addColumn<int>("role");
        QTest::addRow("clBtnFace") << colors::clBtnFace << int(QPalette::Button);
        QTest::addRow("clWindowText") << colors::clWindowText << int(QPalette::WindowText);
        QTest::addRow("clWindow") << colors::clWindow << int(QPalette::Base);
        QTest::addRow("clHighlight") << colors::clHighlight << int(QPalette::Highlight);
        QTest::addRow("clHighlightText")
            << colors::clHighlightText << int(QPalette::HighlightedText);
        QTest::addRow("clBtnText") << colors::clBtnText << int(QPalette::ButtonText);
        QTest::addRow("clBtnShadow") << colors::clBtnShadow << int(QPalette::Dark);
        QTest::addRow("clBtnHighlight") << colors::clBtnHighlight << int(QPalette::Light);
        QTest::addRow("clInfoBk") << colors::clInfoBk << int(QPalette::ToolTipBase);
        QTest::addRow("clMenu") << colors::clMenu << int(QPalette::Window);
    }
    void systemColoursFollowThePalette()
    {
        QFETCH(quint32, value);
        QFETCH(int, role);
        QPalette palette;
        palette.setColor(QPalette::ColorRole(role), QColor(1, 2, 3));
        QCOMPARE(toQColor(value, palette), QColor(1, 2, 3));
        QVERIFY(isSystemColor(value));
    }

    void coloursBecomeRgbValues()
    {
        QCOMPARE(fromQColor(QColor(255, 0, 0)), 0x0000FFu);
        QCOMPARE(fromQColor(QColor(0x12, 0x34, 0x56, 7)), 0x00563412u);
        QCOMPARE(fromQColor(QColor::fromHsv(240, 255, 255)), 0xFF0000u);
    }

    void loadedPositionsStayInRange_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("max");
        QTest::addColumn<int>("loaded");
        QTest::addRow("speed 0 becomes 1") << 0 << 1 << 9 << 1;
        QTest::addRow("spacing 40 becomes 30") << 40 << 0 << 30 << 30;
        QTest::addRow("inside") << 5 << 1 << 9 << 5;
        QTest::addRow("both ends") << 60 << 1 << 60 << 60;
        QTest::addRow("delay of 65535") << 65535 << 1 << 60 << 60;
    }
    void loadedPositionsStayInRange()
    {
        QFETCH(int, value);
        QFETCH(int, min);
        QFETCH(int, max);
        QFETCH(int, loaded);
        QCOMPARE(clampToRange(value, {min, max}), loaded);
    }

    void itemIndexesAndReactions()
    {
        QCOMPARE(clampItemIndex(255, 3), 2);
        QCOMPARE(clampItemIndex(-5, 3), -1);
        QCOMPARE(clampItemIndex(1, 3), 1);
        QVERIFY(!isReaction(0));
        QVERIFY(isReaction(1));
        QVERIFY(isReaction(7));
        QVERIFY(!isReaction(8));
        QVERIFY(!isReaction(255));
    }

    void spinButtonsStepThroughOneTo254_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("up");
        QTest::addColumn<int>("next");
        QTest::addRow("underscore up is the grave accent") << 95 << true << 96;
        QTest::addRow("254 up wraps to 1") << 254 << true << 1;
        QTest::addRow("1 down wraps to 254") << 1 << false << 254;
        QTest::addRow("2 down") << 2 << false << 1;
        QTest::addRow("253 up") << 253 << true << 254;
        QTest::addRow("a loaded 255 up") << 255 << true << 1;
        QTest::addRow("a loaded 255 down") << 255 << false << 254;
        QTest::addRow("a loaded 0 up") << 0 << true << 1;
        QTest::addRow("a loaded 0 down") << 0 << false << 254;
    }
    void spinButtonsStepThroughOneTo254()
    {
        QFETCH(int, code);
        QFETCH(bool, up);
        QFETCH(int, next);
        QCOMPARE(stepGapCharacter(code, up), next);
    }

    void fontListDropsDefaultAndSorts()
    {
        const QStringList installed{u"Verdana"_s, u"Default"_s, u"arial"_s, u"Fixedsys"_s,
                                    u"Courier"_s, u"Default"_s, u"Zapf"_s};
        const auto outline = [](const QString &name) {
            return name != u"Fixedsys" && name != u"Courier";
        };
        QCOMPARE(fontListEntries(installed, false, outline),
                 (QStringList{u"arial"_s, u"Courier"_s, u"Fixedsys"_s, u"Verdana"_s, u"Zapf"_s}));
        QCOMPARE(fontListEntries(installed, true, outline),
                 (QStringList{u"arial"_s, u"Verdana"_s, u"Zapf"_s}));
    }

    void installedOutlineFontsAreRecognised()
    {
        const QStringList families = QFontDatabase::families();
        if (!families.contains(u"DejaVu Sans"_s))
            QSKIP("DejaVu Sans is not installed");
        QVERIFY(isOutlineFont(u"DejaVu Sans"_s));
    }

    void trueTypeMarkIsTwoLettersT()
    {
        const QImage mark = trueTypeMark(QColor(Qt::white));
        QCOMPARE(mark.size(), QSize(12, 12));
        const QRgb grey = qRgb(0x80, 0x80, 0x80);
        const QRgb black = qRgb(0, 0, 0);
        const QRgb white = qRgb(255, 255, 255);
        struct Sample {
            int x, y;
            QRgb rgb;
        };
        const Sample samples[] = {
            {0, 0, grey},   {6, 0, grey},  {7, 0, grey},   {7, 2, grey},   {0, 2, grey},
            {0, 3, white},  {2, 1, white}, {3, 7, grey},   {1, 8, grey},   {5, 8, grey},
            {6, 8, white},  {3, 3, grey},  {4, 3, black},  {10, 3, black}, {11, 5, black},
            {11, 6, white}, {4, 5, black}, {7, 10, black}, {9, 11, black}, {10, 11, white},
            {8, 4, black},  {8, 5, black}, {9, 4, white},
        };
        for (const Sample &s : samples) {
            QVERIFY2(mark.pixel(s.x, s.y) == s.rgb, qPrintable(u"pixel %1,%2"_s.arg(s.x).arg(s.y)));
        }
        QCOMPARE(trueTypeMark(QColor(0, 0, 128)).pixel(11, 0), qRgb(0, 0, 128));
    }
};

QTEST_MAIN(TestFontSpec)
#include "tst_fontspec.moc"
