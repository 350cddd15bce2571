#include "settings/ui/einstell.h"
#include "settings/ui/settingwidgets.h"
#include "tests/settings/defaultrecord.h"
#include "tests/support/files.h"

#include <QFile>
#include <QProcess>
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

    // The tool runs without anyone at the screen: it writes the shipped file, and a
    // file it cannot write is reported on the console instead of in a message box.
    void theToolWritesTheShippedFileOrSaysWhyNot()
    {
        QTemporaryDir dir;
        const QString written = dir.filePath(u"default.opt"_s);
        QProcess tool;
        tool.start(QString::fromUtf8(MAKE_DEFAULT_OPT), {written});
        QVERIFY(tool.waitForFinished(30000));
        QCOMPARE(tool.exitCode(), 0);
        QCOMPARE(fileBytes(written), fileBytes(shippedFile(u"default.opt"_s)));

        tool.start(QString::fromUtf8(MAKE_DEFAULT_OPT), {dir.filePath(u"fehlt/default.opt"_s)});
        const bool ended = tool.waitForFinished(30000);
        if (!ended)
            tool.kill();
        QVERIFY(ended);
        QCOMPARE(tool.exitCode(), 1);
        QVERIFY(!tool.readAllStandardError().isEmpty());
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
