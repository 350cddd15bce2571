#include "settings/core/fontspec.h"
#include "settings/ui/fontlistbox.h"
#include "settings/ui/schrift.h"
#include "settings/ui/settingwidgets.h"
#include "tests/support/shown.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace settings;
using testing::Shown;

namespace {

const QStringList fakeInstalled{u"Verdana"_s, u"Default"_s, u"Arial"_s,  u"Fixedsys"_s,
                                u"courier"_s, u"Default"_s, u"Tahoma"_s, u"Terminal"_s};

bool fakeOutline(const QString &name)
{
    return name != u"Fixedsys" && name != u"Terminal" && name != u"courier";
}

QStringList entries(const QListWidget &list)
{
    QStringList names;
    for (int i = 0; i < list.count(); ++i)
        names.append(list.item(i)->text());
    return names;
}

// Chooses an entry with the mouse.
void clickEntry(QListWidget *list, int row)
{
    list->scrollToItem(list->item(row));
    const QRect r = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
}

} // namespace

class TestSchrift : public QObject {
    Q_OBJECT
private slots:
    void startsWithItsOwnPreview()
    {
        Shown<TForm5> shown;
        TForm5 &form = shown.form;
        QCOMPARE(form.windowTitle(), u"Schrift"_s);
        QCOMPARE(form.size(), QSize(533, 365));
        const FontSpec preview = form.Panel1->fontSpec();
        QCOMPARE(preview.name, u"Arial"_s);
        QCOMPARE(preview.height, -47);
        QCOMPARE(preview.style, quint8(FontSpec::Bold));
        QCOMPARE(preview.color, colors::clWhite);
        QCOMPARE(form.Panel1->colorValue(), colors::clBlack);
        QCOMPARE(form.Panel1->caption(), u"The quick brown fox"_s);
        QVERIFY(form.CheckBox1->isChecked());
        QCOMPARE(form.CheckBox1->text(), u"Fett"_s);
        QVERIFY(form.RadioButton1->isChecked());
        QCOMPARE(form.RadioGroup1->title(), u"Farben"_s);
        QCOMPARE(form.BitBtn1->text(), u"OK"_s);
        QVERIFY(form.FontListBox1->TTonly());
        QVERIFY(form.FontListBox1->UseItemFont());
        QVERIFY(!form.FontListBox1->UpdateAllForms());
        // Only an exact "Arial" is selected at the start.
        const bool hasArial = entries(*form.FontListBox1).contains(u"Arial"_s);
        QCOMPARE(form.FontListBox1->selectedName(), hasArial ? u"Arial"_s : QString());
    }

    void sizeListHasItsThirtyNineSizes()
    {
        TForm5 form;
        QStringList expected;
        for (int size = 4; size <= 37; ++size)
            expected.append(QString::number(size));
        expected << u"39"_s << u"40"_s << u"48"_s << u"60"_s << u"72"_s;
        QCOMPARE(entries(*form.ListBox1), expected);
        QCOMPARE(form.ListBox1->currentItem()->text(), u"28"_s);
        QVERIFY(form.ListBox1->currentItem()->isSelected());
    }

    void colourPairsSetTextAndBackground_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<quint32>("background");
        QTest::addColumn<quint32>("text");
        QTest::addRow("white on black") << 1 << u"Weiß auf Schwarz"_s << 0x000000u << 0xFFFFFFu;
        QTest::addRow("yellow on blue") << 2 << u"Gelb auf Blau"_s << 0xFF0000u << 0x00FFFFu;
        QTest::addRow("red on black") << 3 << u"Rot auf Schwarz"_s << 0x000000u << 0x0000FFu;
        QTest::addRow("white on green") << 4 << u"Weiß auf Grün"_s << 0x008000u << 0xFFFFFFu;
        QTest::addRow("yellow on red") << 5 << u"Gelb auf Rot"_s << 0x0000FFu << 0x00FFFFu;
    }
    void colourPairsSetTextAndBackground()
    {
        QFETCH(int, button);
        QFETCH(QString, caption);
        QFETCH(quint32, background);
        QFETCH(quint32, text);
        Shown<TForm5> shown;
        TForm5 &form = shown.form;
        if (button == 1) // start from another pair so the click changes something
            QTest::mouseClick(form.RadioButton3, Qt::LeftButton);
        auto *radio = form.findChild<QRadioButton *>(u"RadioButton%1"_s.arg(button));
        QCOMPARE(radio->text(), caption);
        QTest::mouseClick(radio, Qt::LeftButton);
        QCOMPARE(form.Panel1->colorValue(), background);
        QCOMPARE(form.Panel1->fontSpec().color, text);
        QCOMPARE(form.Panel1->fontSpec().height, -47);
    }

    void aColourPairSurvivesAFontChange()
    {
        Shown<TForm5> shown;
        TForm5 &form = shown.form;
        QTest::mouseClick(form.RadioButton5, Qt::LeftButton);
        QVERIFY(form.FontListBox1->count() > 1);
        clickEntry(form.FontListBox1, 1);
        const QString chosen = form.FontListBox1->item(1)->text();
        QCOMPARE(form.Panel1->fontSpec().name, chosen);
        clickEntry(form.ListBox1, form.ListBox1->count() - 3); // "48"
        QCOMPARE(form.Panel1->fontSpec().size, 48);
        QCOMPARE(form.Panel1->fontSpec().height, -64);
        QCOMPARE(form.Panel1->fontSpec().name, chosen);
        QCOMPARE(form.Panel1->colorValue(), 0x0000FFu);
        QCOMPARE(form.Panel1->fontSpec().color, 0x00FFFFu);
        QCOMPARE(form.Panel1->font().pixelSize(), 64);
    }

    // "28" stands selected from the start while the preview is 35 points: a click on
    // it must still choose it.
    void clickingTheSelectedSizeChoosesIt()
    {
        Shown<TForm5> shown;
        TForm5 &form = shown.form;
        const int row = form.ListBox1->currentRow();
        QCOMPARE(form.ListBox1->item(row)->text(), u"28"_s);
        clickEntry(form.ListBox1, row);
        QCOMPARE(form.Panel1->fontSpec().size, 28);
        QCOMPARE(form.Panel1->fontSpec().height, -37);
    }

    void boldLeavesTheOtherStyleBits()
    {
        Shown<TForm5> shown;
        TForm5 &form = shown.form;
        FontSpec fontValue = form.Panel1->fontSpec();
        fontValue.style =
            FontSpec::Bold | FontSpec::Italic | FontSpec::Underline | FontSpec::StrikeOut;
        form.Panel1->setFontSpec(fontValue);
        QTest::mouseClick(form.CheckBox1, Qt::LeftButton, {},
                          QPoint(8, form.CheckBox1->height() / 2));
        QCOMPARE(form.Panel1->fontSpec().style,
                 quint8(FontSpec::Italic | FontSpec::Underline | FontSpec::StrikeOut));
        QVERIFY(!form.Panel1->font().bold());
        QTest::mouseClick(form.CheckBox1, Qt::LeftButton, {},
                          QPoint(8, form.CheckBox1->height() / 2));
        QCOMPARE(form.Panel1->fontSpec().style, quint8(15));
        QVERIFY(form.Panel1->font().italic());
    }

    void previewIsKeptBetweenOpenings()
    {
        Shown<TForm5> shown;
        TForm5 &form = shown.form;
        QTest::mouseClick(form.RadioButton2, Qt::LeftButton);
        QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
        QVERIFY(!form.isVisible());
        form.show();
        QCOMPARE(form.Panel1->colorValue(), 0xFF0000u);
        QVERIFY(form.RadioButton2->isChecked());
    }

    void fontListDropsDefaultSortsAndFilters()
    {
        TFontListBox list;
        list.setFontSource([] { return fakeInstalled; }, fakeOutline);
        QCOMPARE(entries(list), (QStringList{u"Arial"_s, u"courier"_s, u"Fixedsys"_s, u"Tahoma"_s,
                                             u"Terminal"_s, u"Verdana"_s}));
        QCOMPARE(list.selectedName(), u"Arial"_s); // the first entry after filling
        QVERIFY(list.isOutline(0));
        QVERIFY(!list.isOutline(1));
        list.setTTonly(true);
        QCOMPARE(entries(list), (QStringList{u"Arial"_s, u"Tahoma"_s, u"Verdana"_s}));
    }

    void fontListHoldsOnlyNamesASettingsFileCanKeep()
    {
        TFontListBox list;
        list.setFontSource(
            [] {
                return QStringList{u"Arial"_s, u"Noto Sans 日本語"_s, u"Zürich"_s,
                                   u"Noto Sans Anatolian Hieroglyphs"_s,
                                   u"Noto Sans Display ExtraCondensed"_s};
            },
            fakeOutline);
        // 31 characters fit the name field, 32 would come back cut short.
        QCOMPARE(entries(list),
                 (QStringList{u"Arial"_s, u"Noto Sans Anatolian Hieroglyphs"_s, u"Zürich"_s}));
    }

    void realFontListHasOnlyOutlineFonts()
    {
        Shown<TForm5> shown;
        TForm5 &form = shown.form;
        const QStringList names = entries(*form.FontListBox1);
        QVERIFY(!names.isEmpty());
        QVERIFY(!names.contains(u"Default"_s));
        QStringList sorted = names;
        sorted.sort(Qt::CaseInsensitive);
        QCOMPARE(names, sorted);
        for (int row = 0; row < names.size(); ++row)
            QVERIFY(form.FontListBox1->isOutline(row));
    }

    void selectingANameQuietlyOrNone()
    {
        TFontListBox list;
        list.setFontSource([] { return fakeInstalled; }, fakeOutline);
        QSignalSpy clicks(&list, &TFontListBox::clicked);
        list.selectName(u"Tahoma"_s);
        QCOMPARE(list.selectedName(), u"Tahoma"_s);
        list.selectName(u"Arial Black"_s); // a system without it: nothing selected
        QCOMPARE(list.selectedName(), QString());
        QCOMPARE(clicks.count(), 0);
    }

    void itemHeightIsTwiceThePointSize()
    {
        TFontListBox list;
        list.setFontSource([] { return fakeInstalled; }, fakeOutline);
        QFont font = list.font();
        font.setPointSize(10);
        list.setFont(font);
        QCOMPARE(list.itemHeight(), 20);
        list.resize(200, 300);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QCOMPARE(list.visualItemRect(list.item(1)).height(), 20);
        font.setPointSize(14);
        list.setFont(font);
        QCOMPARE(list.itemHeight(), 28);
        QTRY_COMPARE(list.visualItemRect(list.item(1)).height(), 28);
    }

    void outlineEntriesCarryTheMark()
    {
        TFontListBox list;
        list.setFontSource([] { return fakeInstalled; }, fakeOutline);
        list.resize(200, 300);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        list.clearSelection();
        const QImage image = list.viewport()->grab().toImage();
        const auto topLeft = [&](int row) { return list.visualItemRect(list.item(row)).topLeft(); };
        const QColor base = list.palette().color(QPalette::Base);
        // The grey T's top left corner 2 pixels in, the black T's 4 right and 3 down from it.
        QCOMPARE(image.pixelColor(topLeft(0) + QPoint(2, 2)), QColor(0x80, 0x80, 0x80));
        QCOMPARE(image.pixelColor(topLeft(0) + QPoint(6, 5)), QColor(Qt::black));
        QCOMPARE(image.pixelColor(topLeft(1) + QPoint(2, 2)), base); // "courier" has none
    }

    void clicksReportTheChoiceAndMayRenameEveryWindow()
    {
        TFontListBox list;
        list.setFontSource([] { return fakeInstalled; }, fakeOutline);
        list.resize(200, 300);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QWidget other;
        QSignalSpy clicks(&list, &TFontListBox::clicked);
        clickEntry(&list, 3);
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(list.selectedName(), u"Tahoma"_s);
        QVERIFY(other.font().family() != u"Tahoma"_s);

        list.setUpdateAllForms(true);
        clickEntry(&list, 5);
        QCOMPARE(other.font().family(), u"Verdana"_s);
        QCOMPARE(list.font().family(), u"Verdana"_s);
    }
};

QTEST_MAIN(TestSchrift)
#include "tst_schrift.moc"
