#include "settings/core/settingsrecord.h"
#include "settings/ui/choosers.h"
#include "settings/ui/einstell.h"
#include "settings/ui/schrift.h"
#include "settings/ui/settingwidgets.h"
#include "settings/ui/zusatzseite.h"
#include "tests/settings/defaultrecord.h"
#include "tests/support/dialogs.h"
#include "tests/support/files.h"
#include "tests/support/shown.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFontDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace settings;
using testing::fileBytes;
using testing::Shown;
using testing::writeBytes;

namespace {

// Brings the tab holding `widget` to the front and clicks it, as a user would.
void clickOn(TForm10 &form, QWidget *widget)
{
    for (int i = 0; i < form.PageControl1->count(); ++i) {
        if (form.PageControl1->widget(i)->isAncestorOf(widget))
            form.PageControl1->setCurrentIndex(i);
    }
    QVERIFY(widget->isVisible());
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

void answerColorDialog(const QColor &color)
{
    testing::answerNextDialog([color](QWidget *dialog) {
        auto *colorDialog = qobject_cast<QColorDialog *>(dialog);
        QVERIFY(colorDialog);
        if (color.isValid()) {
            colorDialog->setCurrentColor(color);
            colorDialog->accept();
        } else {
            colorDialog->reject();
        }
    });
}

// A settings record with every stored value away from its default.
SettingsRecord changedRecord()
{
    SettingsRecord r;
    r.reaction = 6;
    r.praise = 2;
    r.pictureGrid = 0;
    r.wordsPerPass = 7;
    r.selectionFont =
        FontSpec::make(u"Courier New"_s, -21, FontSpec::Italic | FontSpec::Underline, 0x00102030);
    r.selectionFont.pitch = FontSpec::FixedPitch;
    r.selectedTextColor = 0x80000011;
    r.selectionBackground = 0x00445566;
    r.glideSpeed = 9;
    r.glideSpacing = 30;
    r.displayFont =
        FontSpec::make(u"Verdana"_s, -64, FontSpec::Bold | FontSpec::StrikeOut, 0x00FFFF);
    r.displayFont.pitch = FontSpec::VariablePitch;
    r.shortTimeForWords = true;
    r.shortTimeDelay = 60;
    r.displayBackground = 0x80000001;
    r.writingFont = FontSpec::make(u"Times New Roman"_s, -40, 0, 0x00008000);
    r.wrongLetterColor = 0x00FF00FF;
    r.readingFingerColor = 0x8000000D;
    r.readingFingerSpeed = 0;
    r.writingBackground = 0x00C0C0C0;
    r.writingWindowBackground = 0x00800000;
    r.comparisonFont = FontSpec::make(u"Comic Sans MS"_s, -32, FontSpec::Italic, 0x80000012);
    r.comparisonColor = 0x00008080;
    r.comparisonErrorColor = 0x00800080;
    r.noComparison = true;
    r.wholeGroupAsError = true;
    r.hiddenLetterChar = '*';
    r.hiddenPartChar = 0xFE; // "þ"
    r.comparisonBackground = 0x80000018;
    return r;
}

} // namespace

class TestEinstell : public QObject {
    Q_OBJECT
private slots:
    void dialogHasItsTabsInOrder()
    {
        Shown<TForm10> shown;
        TForm10 &form = shown.form;
        QCOMPARE(form.windowTitle(), u"Einstellungen"_s);
        QCOMPARE(form.height(), 490);
        QVERIFY(form.width() >= 501);
        // Every tab shows whole, none behind scroll buttons.
        QVERIFY(form.PageControl1->tabBar()->sizeHint().width() <= form.PageControl1->width());
        const QStringList tabs{u"Reaktion auf Fehler"_s, u"Text-Auswahl"_s, u"Laufbahn"_s,
                               u"Nachschreiben"_s,       u"Sonstiges"_s,    u"Silben und Diktat"_s};
        QCOMPARE(form.PageControl1->count(), tabs.size());
        for (int i = 0; i < tabs.size(); ++i)
            QCOMPARE(form.PageControl1->tabText(i), tabs[i]);
        QCOMPARE(form.PageControl1->currentIndex(), 4);

        // It opens again on the tab last shown.
        form.PageControl1->setCurrentIndex(2);
        QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
        QVERIFY(!form.isVisible());
        form.show();
        QCOMPARE(form.PageControl1->currentIndex(), 2);

        QCOMPARE(form.BitBtn2->text(), u"speichern..."_s);
        QCOMPARE(form.BitBtn3->text(), u"laden..."_s);
        QCOMPARE(form.BitBtn1->text(), u"OK"_s);
    }

    void trackBarsHaveTheirRangesAndDefaults_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("max");
        QTest::addColumn<int>("value");
        QTest::addRow("words per pass") << u"TrackBar4"_s << 1 << 10 << 1;
        QTest::addRow("glide speed") << u"TrackBar2"_s << 1 << 9 << 3;
        QTest::addRow("letter spacing") << u"TrackBar1"_s << 0 << 30 << 3;
        QTest::addRow("short-time delay") << u"TrackBar5"_s << 1 << 60 << 1;
        QTest::addRow("reading finger speed") << u"TrackBar3"_s << 0 << 10 << 4;
    }
    void trackBarsHaveTheirRangesAndDefaults()
    {
        QFETCH(QString, name);
        QFETCH(int, min);
        QFETCH(int, max);
        QFETCH(int, value);
        TForm10 form;
        auto *slider = form.findChild<QSlider *>(name);
        QVERIFY(slider);
        QCOMPARE(slider->minimum(), min);
        QCOMPARE(slider->maximum(), max);
        QCOMPARE(slider->value(), value);
    }

    void choicesHaveTheirCaptionsAndDefaults()
    {
        TForm10 form;
        const QStringList reactions{
            u"keine unmittelbare Reaktion - Kontrolle mit Lesefinger"_s,
            u"Fehler nicht annehmen"_s,
            u"falsche Buchstaben markieren"_s,
            u"bei einem Fehler Wort rot färben"_s,
            u"bei einem Fehler Hintergrund rot färben"_s,
            u"keine Reaktion"_s,
            u"Bei Fehler Wort löschen"_s,
        };
        for (int i = 0; i < 7; ++i) {
            auto *button = form.findChild<QRadioButton *>(u"RadioButton%1"_s.arg(i + 1));
            QVERIFY(button);
            QCOMPARE(button->text(), reactions[i]);
            QCOMPARE(button->isChecked(), i == 0);
        }
        QCOMPARE(form.reaction(), 1);
        QCOMPARE(form.RadioGroup1->title(), u"Reaktion auf Fehler"_s);
        QCOMPARE(form.RadioGroup2->title(), u"Lob"_s);
        QCOMPARE(form.RadioGroup2->button(0)->text(), u"kein Lob"_s);
        QCOMPARE(form.RadioGroup2->button(2)->text(), u"Bild"_s);
        QCOMPARE(form.RadioGroup2->itemIndex(), 1);
        QCOMPARE(form.RadioGroup3->title(), u"Bildelemente"_s);
        QCOMPARE(form.RadioGroup3->button(1)->text(), u"4x4"_s);
        QCOMPARE(form.RadioGroup3->itemIndex(), 1);

        QCOMPARE(form.findChild<QCheckBox *>(u"CheckBox1"_s)->text(),
                 u"für Wörter statt der Laufbahn Kurzzeitdarstellung verwenden"_s);
        QCOMPARE(form.CheckBox2->text(), u"kein Vergleich (Diktatmodus)"_s);
        QCOMPARE(form.CheckBox3->text(), u"ganze Wortgruppe als Fehler speichern"_s);
        QVERIFY(!form.CheckBox1->isChecked() && !form.CheckBox2->isChecked() &&
                !form.CheckBox3->isChecked());

        QCOMPARE(form.hiddenLetterCharacter(), QChar(u'_'));
        QCOMPARE(form.hiddenPartCharacter(), QChar(u'¬'));
    }

    void fontsAndColoursHaveTheirDefaults()
    {
        TForm10 form;
        const auto checkFont = [](FontLabel *label, int height, int size, ColorValue color) {
            QCOMPARE(label->fontSpec().name, u"Arial"_s);
            QCOMPARE(label->fontSpec().height, height);
            QCOMPARE(label->fontSpec().size, size);
            QCOMPARE(label->fontSpec().style, quint8(FontSpec::Bold));
            QCOMPARE(label->colorValue(), color);
            QCOMPARE(label->caption(), u"Schriftart"_s);
        };
        checkFont(form.findChild<FontLabel *>(u"Label14"_s), -80, 60, colors::clWindowText);
        checkFont(form.Label1, -57, 43, colors::clWhite);
        checkFont(form.Label4, -80, 60, colors::clBlack);
        checkFont(form.Label7, -45, 34, colors::clBlack);
        QCOMPARE(form.Label1->font().pixelSize(), 57);
        QVERIFY(form.Label1->font().bold());

        QCOMPARE(form.Label15->colorValue(), colors::clBlue);
        QCOMPARE(form.Label15->caption(), u"Farbe Auswahl"_s);
        QCOMPARE(form.Label11->colorValue(), colors::clRed);
        QCOMPARE(form.Label10->colorValue(), colors::clRed);
        QCOMPARE(form.Label12->colorValue(), colors::clBlue);
        QCOMPARE(form.Label13->colorValue(), colors::clRed);
        QCOMPARE(form.Label13->textColor(), QColor(Qt::red));
        QCOMPARE(form.Panel8->colorValue(), colors::clWhite);
        QCOMPARE(form.Panel7->colorValue(), colors::clBtnFace);
        QCOMPARE(form.Panel1->colorValue(), colors::clBlack);
        QCOMPARE(form.Panel2->colorValue(), colors::clWhite);
        QCOMPARE(form.Panel5->colorValue(), colors::clBtnFace);
        QCOMPARE(form.Panel6->colorValue(), colors::clBtnFace);
        QCOMPARE(form.Panel6->color(), QGuiApplication::palette().color(QPalette::Button));
    }

    void freshDialogSavesTheDefaultRecord()
    {
        QTemporaryDir dir;
        TForm10 form;
        const QString path = dir.filePath(u"frisch.opt"_s);
        QVERIFY(form.einstellungen_speichern(path));
        QCOMPARE(fileBytes(path), testdata::defaultRecordBytes());
    }

    void everySettingButOneComesBack()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"alles.opt"_s);
        TForm10 changed;
        changed.applyRecord(changedRecord());
        changed.Panel7->setColorValue(0x00123456);
        settings::Zusatzeinstellungen zusatz;
        zusatz.diktat = {.vorlesen = true, .tempo = 90, .vorlesenUndZeigen = true};
        zusatz.silben = {
            .automatisch = true, .farbig = true, .farbe1 = 0x00FF00, .farbe2 = 0x808080};
        changed.Zusatz->setzen(zusatz);
        QCOMPARE(changed.currentRecord(), changedRecord());
        QVERIFY(changed.einstellungen_speichern(path));

        TForm10 form;
        QVERIFY(form.einstellungen_laden(path));
        QCOMPARE(form.currentRecord(), changedRecord());
        QCOMPARE(form.Zusatz->werte(), zusatz);
        // The settings file is the 236 bytes it always was; the rest is in the INI file.
        QCOMPARE(fileBytes(path).size(), 236);
        QVERIFY(QFile::exists(dir.filePath(u"alles.ini"_s)));
        // The controls themselves, as other windows read them.
        QVERIFY(form.RadioButton6->isChecked());
        QVERIFY(!form.RadioButton1->isChecked());
        QCOMPARE(form.RadioGroup2->itemIndex(), 2);
        QCOMPARE(form.RadioGroup3->itemIndex(), 0);
        QCOMPARE(form.TrackBar4->value(), 7);
        QCOMPARE(form.TrackBar2->value(), 9);
        QCOMPARE(form.TrackBar1->value(), 30);
        QCOMPARE(form.TrackBar5->value(), 60);
        QCOMPARE(form.TrackBar3->value(), 0);
        QVERIFY(form.CheckBox1->isChecked() && form.CheckBox2->isChecked() &&
                form.CheckBox3->isChecked());
        QCOMPARE(form.Label1->fontSpec().name, u"Verdana"_s);
        QCOMPARE(form.Label1->fontSpec().pitch, quint8(FontSpec::VariablePitch));
        QCOMPARE(form.Label1->textColor(), QColor(Qt::yellow));
        QCOMPARE(form.Label14->fontSpec().style, quint8(FontSpec::Italic | FontSpec::Underline));
        QCOMPARE(form.Label15->colorValue(), 0x80000011u);
        QCOMPARE(form.Panel1->colorValue(), 0x80000001u);
        QCOMPARE(form.Panel6->colorValue(), 0x80000018u);
        QCOMPARE(form.hiddenLetterCharacter(), QChar(u'*'));
        QCOMPARE(form.hiddenPartCharacter(), QChar(u'þ'));
        // Not stored: the outer selection panel keeps its start colour.
        QCOMPARE(form.Panel7->colorValue(), colors::clBtnFace);
        // Saving again gives the same bytes.
        const QString again = dir.filePath(u"wieder.opt"_s);
        QVERIFY(form.einstellungen_speichern(again));
        QCOMPARE(fileBytes(again), fileBytes(path));

        // A settings file without its INI file gives the defaults of what the INI holds.
        QVERIFY(QFile::remove(dir.filePath(u"alles.ini"_s)));
        QVERIFY(form.einstellungen_laden(path));
        QCOMPARE(form.Zusatz->werte(), settings::Zusatzeinstellungen{});
    }

    void loadedFontTakesTheHeightOfItsSize()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"schrift.opt"_s);
        SettingsRecord record = dialogDefaults();
        record.displayFont.height = -50; // out of step with its size
        record.displayFont.size = 20;
        writeBytes(path, writeSettingsRecord(record));
        TForm10 form;
        QVERIFY(form.einstellungen_laden(path));
        QCOMPARE(form.Label1->fontSpec().size, 20);
        QCOMPARE(form.Label1->fontSpec().height, -27);
        QCOMPARE(form.Label1->font().pixelSize(), 27);
        // The gap characters are shown in the display font at 10 points, black.
        for (ColorPanel *panel : {form.Panel3, form.Panel4}) {
            QCOMPARE(panel->fontSpec().name, form.Label1->fontSpec().name);
            QCOMPARE(panel->fontSpec().style, form.Label1->fontSpec().style);
            QCOMPARE(panel->fontSpec().size, 10);
            QCOMPARE(panel->fontSpec().height, -13);
            QCOMPARE(panel->fontSpec().color, colors::clBlack);
        }
    }

    void loadingKeepsValuesInTheirRanges_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("loaded");
        QTest::addRow("speed 0 loads as 1") << u"TrackBar2"_s << 0 << 1;
        QTest::addRow("speed 200 loads as 9") << u"TrackBar2"_s << 200 << 9;
        QTest::addRow("spacing 40 loads as 30") << u"TrackBar1"_s << 40 << 30;
        QTest::addRow("no words loads as 1") << u"TrackBar4"_s << 0 << 1;
        QTest::addRow("255 words load as 10") << u"TrackBar4"_s << 255 << 10;
        QTest::addRow("delay 0 loads as 1") << u"TrackBar5"_s << 0 << 1;
        QTest::addRow("delay 65535 loads as 60") << u"TrackBar5"_s << 65535 << 60;
        QTest::addRow("finger speed 11 loads as 10") << u"TrackBar3"_s << 11 << 10;
        QTest::addRow("praise item 255 loads as 2") << u"RadioGroup2"_s << 255 << 2;
        QTest::addRow("grid item 3 loads as 2") << u"RadioGroup3"_s << 3 << 2;
        QTest::addRow("grid item 0 stays") << u"RadioGroup3"_s << 0 << 0;
        QTest::addRow("reaction 0 leaves the reaction") << u"reaction"_s << 0 << 4;
        QTest::addRow("reaction 8 leaves the reaction") << u"reaction"_s << 8 << 4;
        QTest::addRow("reaction 255 leaves the reaction") << u"reaction"_s << 255 << 4;
        QTest::addRow("reaction 7 is taken") << u"reaction"_s << 7 << 7;
    }
    void loadingKeepsValuesInTheirRanges()
    {
        QFETCH(QString, field);
        QFETCH(int, stored);
        QFETCH(int, loaded);
        SettingsRecord record = dialogDefaults();
        if (field == u"TrackBar2")
            record.glideSpeed = quint8(stored);
        else if (field == u"TrackBar1")
            record.glideSpacing = quint8(stored);
        else if (field == u"TrackBar4")
            record.wordsPerPass = quint8(stored);
        else if (field == u"TrackBar5")
            record.shortTimeDelay = quint16(stored);
        else if (field == u"TrackBar3")
            record.readingFingerSpeed = quint8(stored);
        else if (field == u"RadioGroup2")
            record.praise = quint8(stored);
        else if (field == u"RadioGroup3")
            record.pictureGrid = quint8(stored);
        else
            record.reaction = quint8(stored);

        QTemporaryDir dir;
        const QString path = dir.filePath(u"grenzen.opt"_s);
        writeBytes(path, writeSettingsRecord(record));
        TForm10 form;
        form.RadioButton4->setChecked(true);
        QVERIFY(form.einstellungen_laden(path));
        if (field == u"reaction") {
            QCOMPARE(form.reaction(), loaded);
        } else if (field.startsWith(u"RadioGroup")) {
            QCOMPARE(form.findChild<RadioGroup *>(field)->itemIndex(), loaded);
        } else {
            QCOMPARE(form.findChild<QSlider *>(field)->value(), loaded);
        }
    }

    void aFailedLoadChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("createFile");
        QTest::addColumn<QString>("message");
        QTest::addRow("missing file") << QByteArray() << false << u"Datei nicht gefunden."_s;
        QTest::addRow("empty file")
            << QByteArray() << true << u"Versuch hinter dem Dateiende zu lesen."_s;
        QTest::addRow("one byte short") << testdata::defaultRecordBytes().left(235) << true
                                        << u"Versuch hinter dem Dateiende zu lesen."_s;
    }
    void aFailedLoadChangesNothing()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, createFile);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"kaputt.opt"_s);
        if (createFile)
            writeBytes(path, bytes);
        TForm10 form;
        form.applyRecord(changedRecord());
        QString shown;
        testing::answerNextMessageBox(QMessageBox::Ok, &shown);
        QVERIFY(!form.einstellungen_laden(path));
        QCOMPARE(shown, message);
        QCOMPARE(form.currentRecord(), changedRecord());
    }

    void aLongerFileLoadsFromItsFirstRecord()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"lang.opt"_s);
        writeBytes(path, writeSettingsRecord(changedRecord()) + QByteArray(1000, '\x01'));
        TForm10 form;
        QVERIFY(form.einstellungen_laden(path));
        QCOMPARE(form.currentRecord(), changedRecord());
    }

    void garbageFilesLoadWithinLimitsOrNotAtAll()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"zufall.opt"_s);
        const QString again = dir.filePath(u"wieder.opt"_s);
        QRandomGenerator random(4711);
        TForm10 form;
        for (int round = 0; round < 40; ++round) {
            const int size = round < 5 ? random.bounded(236) : 236 + random.bounded(300);
            QByteArray bytes(size, '\0');
            for (char &b : bytes)
                b = char(random.bounded(256));
            writeBytes(path, bytes);
            const SettingsRecord before = form.currentRecord();
            if (size < 236) {
                testing::answerNextMessageBox(QMessageBox::Ok);
                QVERIFY(!form.einstellungen_laden(path));
                QCOMPARE(form.currentRecord(), before);
                continue;
            }
            QVERIFY(form.einstellungen_laden(path));
            QVERIFY(form.reaction() >= 1 && form.reaction() <= 7);
            QVERIFY(form.TrackBar5->value() >= 1 && form.TrackBar5->value() <= 60);
            // What was taken in is saved and loaded back unchanged.
            const SettingsRecord taken = form.currentRecord();
            QVERIFY(form.einstellungen_speichern(again));
            QVERIFY(form.einstellungen_laden(again));
            QCOMPARE(form.currentRecord(), taken);
        }
    }

    void spinButtonsStepTheGapCharacters()
    {
        Shown<TForm10> shown;
        TForm10 &form = shown.form;
        QTest::mouseClick(form.SpinButton1->upButton(), Qt::LeftButton);
        QCOMPARE(form.Panel3->caption(), u"`"_s);
        QTest::mouseClick(form.SpinButton1->downButton(), Qt::LeftButton);
        QTest::mouseClick(form.SpinButton1->downButton(), Qt::LeftButton);
        QCOMPARE(form.Panel3->caption(), u"^"_s);

        SettingsRecord record = form.currentRecord();
        record.hiddenPartChar = 1;
        record.hiddenLetterChar = 254;
        form.applyRecord(record);
        QTest::mouseClick(form.SpinButton2->downButton(), Qt::LeftButton);
        QCOMPARE(form.hiddenPartCharacter(), QChar(u'þ'));
        QTest::mouseClick(form.SpinButton1->upButton(), Qt::LeftButton);
        QCOMPARE(form.hiddenLetterCharacter(), QChar(1));
        QCOMPARE(form.currentRecord().hiddenLetterChar, quint8(1));
    }

    void buttonsSaveAndLoadThroughTheirFileDialogs()
    {
        QTemporaryDir dir;
        TForm10 form;
        form.setInitialFolder(dir.path());
        QCOMPARE(QDir(form.OpenDialog1->directory()).canonicalPath(),
                 QDir(dir.path()).canonicalPath());
        QCOMPARE(QDir(form.SaveDialog1->directory()).canonicalPath(),
                 QDir(dir.path()).canonicalPath());
        QVERIFY(form.SaveDialog1->nameFilters().contains(u"Einstellungen (*.opt)"_s));
        QCOMPARE(form.OpenDialog1->fileMode(), QFileDialog::ExistingFile);
        QVERIFY(!form.SaveDialog1->testOption(QFileDialog::DontConfirmOverwrite));

        form.applyRecord(changedRecord());
        testing::answerNextFileDialog(dir.filePath(u"klasse2"_s));
        QTest::mouseClick(form.BitBtn2, Qt::LeftButton);
        const QString saved = dir.filePath(u"klasse2.opt"_s);
        QCOMPARE(fileBytes(saved), writeSettingsRecord(changedRecord()));

        form.applyRecord(dialogDefaults());
        testing::answerNextFileDialog(QString()); // cancelled: nothing loads
        QTest::mouseClick(form.BitBtn3, Qt::LeftButton);
        QCOMPARE(form.currentRecord(), dialogDefaults());
        testing::answerNextFileDialog(saved);
        QTest::mouseClick(form.BitBtn3, Qt::LeftButton);
        QCOMPARE(form.currentRecord(), changedRecord());
    }

    void aFailedSaveKeepsTheOldFile()
    {
        QTemporaryDir dir;
        TForm10 form;
        QString shown;
        testing::answerNextMessageBox(QMessageBox::Ok, &shown);
        QVERIFY(!form.einstellungen_speichern(dir.filePath(u"fehlt/neu.opt"_s)));
        QCOMPARE(shown, u"E/A-Fehler 3."_s);

        if (geteuid() == 0)
            QSKIP("file permissions do not bind the superuser");
        const QString path = dir.filePath(u"alt.opt"_s);
        QVERIFY(form.einstellungen_speichern(path));
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
        form.applyRecord(changedRecord());
        testing::answerNextMessageBox(QMessageBox::Ok, &shown);
        QVERIFY(!form.einstellungen_speichern(path));
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(fileBytes(path), testdata::defaultRecordBytes());
    }

    void colourClicksChangeOnlyOnOk()
    {
        Shown<TForm10> shown;
        TForm10 &form = shown.form;
        answerColorDialog(QColor(0x12, 0x34, 0x56));
        clickOn(form, form.Label15);
        QCOMPARE(form.Label15->colorValue(), 0x00563412u);

        answerColorDialog(QColor()); // cancelled
        clickOn(form, form.Label11);
        QCOMPARE(form.Label11->colorValue(), colors::clRed);

        answerColorDialog(QColor(Qt::green));
        clickOn(form, form.Panel8);
        QCOMPARE(form.Panel8->colorValue(), 0x0000FF00u);
        QCOMPARE(form.Label14->fontSpec(), dialogDefaults().selectionFont);

        // Confirming the colour a system colour shows keeps the system colour.
        answerColorDialog(QGuiApplication::palette().color(QPalette::Button));
        clickOn(form, form.Panel5);
        QCOMPARE(form.Panel5->colorValue(), colors::clBtnFace);

        answerColorDialog(QColor(Qt::yellow));
        clickOn(form, form.Panel7);
        QCOMPARE(form.Panel7->colorValue(), 0x0000FFFFu);
    }

    void fontClicksSetFaceSizeStyleAndColour()
    {
        Shown<TForm10> shown;
        TForm10 &form = shown.form;
        testing::answerNextDialog([](QWidget *dialog) {
            auto *fonts = qobject_cast<FontChoiceDialog *>(dialog);
            QVERIFY(fonts);
            // Preset with the current font, its colour and its size in points.
            QCOMPARE(fonts->colorValue(), colors::clBlack);
            QCOMPARE(fonts->fontDialog()->currentFont().pointSize(), 34);
            QFont chosen(u"Liberation Serif"_s);
            chosen.setPointSize(20);
            chosen.setItalic(true);
            chosen.setUnderline(true);
            fonts->fontDialog()->setCurrentFont(chosen);
            fonts->setColorValue(colors::clRed);
            fonts->accept();
        });
        clickOn(form, form.Label7);
        const FontSpec fontValue = form.Label7->fontSpec();
        QCOMPARE(fontValue.size, 20);
        QCOMPARE(fontValue.height, -27);
        QVERIFY(fontValue.hasStyle(FontSpec::Italic));
        QVERIFY(fontValue.hasStyle(FontSpec::Underline));
        QCOMPARE(fontValue.color, colors::clRed);

        // A system text colour stays a system colour when the colour is not touched.
        testing::answerNextDialog([](QWidget *dialog) {
            auto *fonts = qobject_cast<FontChoiceDialog *>(dialog);
            QVERIFY(fonts);
            QCOMPARE(fonts->colorValue(), colors::clWindowText);
            fonts->accept();
        });
        clickOn(form, form.Label14);
        QCOMPARE(form.Label14->fontSpec().color, colors::clWindowText);
        QCOMPARE(form.Label14->fontSpec().name, u"Arial"_s);
        QCOMPARE(form.Label14->fontSpec().size, 60);

        testing::answerNextDialog(
            [](QWidget *dialog) { qobject_cast<QDialog *>(dialog)->reject(); });
        clickOn(form, form.Label4);
        QCOMPARE(form.Label4->fontSpec(), dialogDefaults().writingFont);
    }

    void displayPreviewTakesTheFontDialogsPreview()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"andere.opt"_s);
        writeBytes(path, writeSettingsRecord(changedRecord()));
        Shown<TForm10> shown;
        TForm10 &form = shown.form;
        TForm5 fontDialog;
        form.setFontDialog(&fontDialog);
        QVERIFY(form.einstellungen_laden(path));

        // Opened for the first time and closed at once: its own start font and colours.
        int opened = 0;
        connect(&fontDialog, &QDialog::finished, this, [&opened] { ++opened; });
        testing::answerNextDialog([](QWidget *dialog) {
            QVERIFY(qobject_cast<TForm5 *>(dialog));
            dialog->close();
        });
        clickOn(form, form.Label1);
        QCOMPARE(opened, 1);
        const FontSpec font = form.Label1->fontSpec();
        QCOMPARE(font.name, u"Arial"_s);
        QCOMPARE(font.height, -47);
        QCOMPARE(font.style, quint8(FontSpec::Bold));
        QCOMPARE(font.color, colors::clWhite);
        QCOMPARE(form.Panel1->colorValue(), colors::clBlack);
        QCOMPARE(form.Panel4->fontSpec(), font.withSizeAndColor(10, colors::clBlack));

        testing::answerNextDialog([](QWidget *dialog) {
            auto *form5 = qobject_cast<TForm5 *>(dialog);
            QVERIFY(form5);
            QTest::mouseClick(form5->RadioButton2, Qt::LeftButton);
            QTest::mouseClick(form5->BitBtn1, Qt::LeftButton);
        });
        clickOn(form, form.Panel1);
        QCOMPARE(form.Panel1->colorValue(), 0xFF0000u);
        QCOMPARE(form.Label1->colorValue(), 0x00FFFFu);
    }
};

QTEST_MAIN(TestEinstell)
#include "tst_einstell.moc"
