#include "settings/ui/einstell.h"
#include "settings/ui/settingwidgets.h"
#include "tests/settings/defaultrecord.h"
#include "tests/support/files.h"

#include <QFile>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace settings;
using testing::fileBytes;
using testing::shippedFile;

namespace {

// The default record with the display font at 28 points (height -37).
QByteArray startUpRecordBytes(char hiddenPartChar)
{
    QByteArray bytes = testdata::defaultRecordBytes();
    bytes[64] = char(0xDB); // height -37
    bytes[65] = char(0xFF);
    bytes[100] = 28; // size
    bytes[101] = 0;
    bytes[231] = hiddenPartChar;
    return bytes;
}

} // namespace

class TestDefaultOpt : public QObject {
    Q_OBJECT
private slots:
    void startedWithoutSettingsFileSavesTheStartUpValues()
    {
        QTemporaryDir dir;
        TForm10 form;
        form.setStartUpValues();
        QCOMPARE(form.Label1->fontSpec().size, 28);
        QCOMPARE(form.hiddenPartCharacter(), QChar(u'#'));
        const QString path = dir.filePath(u"gleich.opt"_s);
        QVERIFY(form.einstellungen_speichern(path));
        QCOMPARE(fileBytes(path), startUpRecordBytes('#'));
    }

    void shippedDefaultOptIsTheStartUpValuesWithTheNotSign()
    {
        const QString path = shippedFile(u"default.opt"_s);
        QVERIFY2(QFile::exists(path), qPrintable(path));
        QCOMPARE(fileBytes(path), startUpRecordBytes(char(0xAC)));
    }

    void loadingTheShippedFileAfterStartUp()
    {
        TForm10 form;
        form.setStartUpValues();
        QVERIFY(form.einstellungen_laden(shippedFile(u"default.opt"_s)));
        QCOMPARE(form.hiddenPartCharacter(), QChar(u'¬'));
        QCOMPARE(form.hiddenLetterCharacter(), QChar(u'_'));
        QCOMPARE(form.Label1->fontSpec().size, 28);
        QCOMPARE(form.Label1->font().pixelSize(), 37);
        QCOMPARE(form.TrackBar2->value(), 3);
    }
};

QTEST_MAIN(TestDefaultOpt)
#include "tst_defaultopt.moc"
