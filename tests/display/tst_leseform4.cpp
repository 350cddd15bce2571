#include "display/ui/lesefinger.h"
#include "tests/display/modal.h"
#include "tests/display/pixelcount.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using display::LeseModus;
using testing::countPixels;
using testing::runModal;

class TestLeseForm4 : public QObject {
    Q_OBJECT
private slots:
    // A pupil reads with the finger, marks the word after a line break and closes with
    // Esc: the pointers and the passed text are red, the rest in the letter colour, the
    // border in the background; the word leaves with its gap marks and its place in the
    // editor's text.
    void aPupilMarksAWordAndCloses()
    {
        display::LesefingerSettings settings = display::LesefingerSettings::defaults();
        settings.background = QColor(0, 0, 160);
        settings.letterColor = QColor(255, 255, 0);
        settings.tempo = 9;
        settings.neueUebung = true;
        TleseForm4 form(u"Ein\r\nH§u§nd bellt laut und lange.#"_s, LeseModus::Lesefinger, settings);
        QSignalSpy marked(&form, &TleseForm4::wordMarked);
        const bool closedByEsc = runModal(form, [&] {
            QTRY_VERIFY(form.motion()->gezeigt() >= 6);
            const display::Surface &bild = form.picture();
            const display::LeseZeile zeile = *form.motion()->zeile();
            const QRect text(0, zeile.textY, 640, 40);
            QVERIFY(countPixels(bild, text, 0xFFFF0000) > 50);
            QVERIFY(countPixels(bild, text, 0xFFFFFF00) > 50);
            QVERIFY(countPixels(bild, QRect(0, zeile.pfeilY, 640, 25), 0xFFFF0000) > 300);
            QVERIFY(countPixels(bild, QRect(0, zeile.naechsteY, 640, 25), 0xFFFF0000) > 300);

            QTest::keyClick(&form, Qt::Key_Space); // stop the finger where it is
            QTest::keyClick(&form, Qt::Key_Return);
            QTest::keyClick(&form, Qt::Key_Escape);
        });
        QVERIFY(closedByEsc);
        QVERIFY(!form.isVisible());
        QCOMPARE(marked.size(), 1);
        const QString word = marked.at(0).at(0).toString();
        const int start = marked.at(0).at(1).toInt();
        const int length = marked.at(0).at(2).toInt();
        const QString editor = u"Ein\nH§u§nd bellt laut und lange."_s;
        QCOMPARE(editor.mid(start, length), word);
        QVERIFY(editor.indexOf(word) == start);
    }
};

QTEST_MAIN(TestLeseForm4)
#include "tst_leseform4.moc"
