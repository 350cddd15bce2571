// A teacher looks at the sample pupil's progress, saves the chart as a picture and
// prints both charts.

#include "app/glmain.h"
#include "exercise/ui/printing.h"
#include "settings/ui/lernverlauf.h"
#include "tests/app/appfixture.h"
#include "tests/support/dialogs.h"
#include "tests/support/files.h"

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

class TestGlmainLernverlauf : public QObject, protected testing::AppFixture {
    Q_OBJECT
private slots:
    void init() { QVERIFY(start()); }
    void cleanup() { stop(); }

    void progressOfTheSamplePupilSavedAndPrinted()
    {
        QVERIFY(!ui.Lernverlauf1->isEnabled());
        QCOMPARE(ui.Lernverlauf1->toolTip(), u"Sie müssen zunächst einen Schüler laden."_s);

        const QByteArray record = testing::fileBytes(testing::shippedFile(u"Beispiel Kind.lbs"_s));
        writeFile(u"Beispiel Kind.lbs"_s, record);
        testing::answerNextFileDialog(path(u"Beispiel Kind.lbs"_s));
        ui.ffnen2->trigger();
        QVERIFY(ui.Lernverlauf1->isEnabled());

        QString points;
        bool apartShown = true;
        QString previewTitle;
        qsizetype pictures = 0;
        qsizetype picturesOnPage1 = 0;
        testing::answerNextDialog(testing::as<TFormLernverlauf>([&](TFormLernverlauf &window) {
            points = window.LabelUebungen->text();
            apartShown = window.ListeOhneDatum->isVisible();

            testing::answerNextFileDialog(path(u"Verlauf.png"_s));
            window.BildSpeichern->click();

            testing::answerNextDialog(
                testing::as<printing::Druckvorschau>([&](printing::Druckvorschau &preview) {
                    previewTitle = preview.job().title;
                    pictures = preview.job().pictures.size();
                    picturesOnPage1 =
                        printing::layOut(preview.job(), preview.printer()).value(0).pictures.size();
                    preview.reject();
                }));
            window.Drucken->click();
            window.reject();
        }));
        ui.Lernverlauf1->trigger();

        // One point per exercise heading of the record.
        QCOMPARE(points, u"%1 Übungen vom 02.12.2026 bis 07.12.2026"_s.arg(record.count("\r\n~")));
        QVERIFY(!apartShown);
        QCOMPARE(previewTitle, u"Lernverlauf Beispiel Kind"_s);
        QCOMPARE(pictures, 2);
        QCOMPARE(picturesOnPage1, 2);

        // The picture holds a chart, not an empty sheet.
        const QImage png(path(u"Verlauf.png"_s), "PNG");
        QVERIFY(!png.isNull());
        QVERIFY(png.width() > png.height());
        int drawn = 0;
        for (int y = 0; y < png.height(); y += 7) {
            for (int x = 0; x < png.width(); x += 7)
                drawn += png.pixel(x, y) != qRgb(255, 255, 255);
        }
        QVERIFY2(drawn > png.width() * png.height() / 49 / 50, qPrintable(QString::number(drawn)));
    }
};

QTEST_MAIN(TestGlmainLernverlauf)
#include "tst_glmain_lernverlauf.moc"
