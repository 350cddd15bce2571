#include "app/ergebnisprotokoll.h"
#include "exercise/core/uebungslauf.h"

#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

using namespace Qt::StringLiterals;

namespace {

// Every red run of the text as "position:text".
QStringList redRuns(const QTextEdit &text)
{
    QStringList runs;
    for (QTextBlock block = text.document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().foreground().color() == QColor(255, 0, 0))
                runs << u"%1:%2"_s.arg(fragment.position()).arg(fragment.text());
        }
    }
    return runs;
}

} // namespace

class TestErgebnisprotokoll : public QObject {
    Q_OBJECT

private slots:
    // A chunk's words were appended to the target text behind `ab`; the words marked on
    // its display are coloured there, found by their place among the chunk's words.
    void markedWordsAreColouredWhereTheChunkWasAppended_data()
    {
        QTest::addColumn<QString>("vorher");
        QTest::addColumn<QString>("abschnitt");
        QTest::addColumn<QStringList>("ziele");
        QTest::addColumn<QList<int>>("markiert");
        QTest::addColumn<QStringList>("rot");
        QTest::addRow("the earlier chunk's equal word stays black")
            << u"Katze Hund "_s << u"Katze Maus"_s << QStringList{u"Katze"_s, u"Maus"_s}
            << QList<int>{0} << QStringList{u"11:Katze"_s};
        QTest::addRow("a word twice in the chunk: its place counts")
            << QString() << u"der Hund und der Ball"_s
            << QStringList{u"der"_s, u"Hund"_s, u"und"_s, u"der"_s, u"Ball"_s} << QList<int>{3}
            << QStringList{u"13:der"_s};
        QTest::addRow("the start of a longer word is not the word")
            << QString() << u"Hundehütte Hund"_s << QStringList{u"Hundehütte"_s, u"Hund"_s}
            << QList<int>{1} << QStringList{u"11:Hund"_s};
        QTest::addRow("a word without a target is passed over")
            << QString() << u"Maus"_s << QStringList{QString(), u"Maus"_s} << QList<int>{0, 1}
            << QStringList{u"0:Maus"_s};
        QTest::addRow("a word not written stops the colouring")
            << QString() << u"Hund Maus"_s << QStringList{u"Katze"_s, u"Maus"_s} << QList<int>{1}
            << QStringList{};
    }
    void markedWordsAreColouredWhereTheChunkWasAppended()
    {
        QFETCH(QString, vorher);
        QFETCH(QString, abschnitt);
        QFETCH(QStringList, ziele);
        QFETCH(QList<int>, markiert);
        QFETCH(QStringList, rot);
        QTextEdit vorlage;
        QTextEdit geschrieben;
        QPlainTextEdit fehler;
        QPlainTextEdit druck;
        Ergebnisprotokoll protokoll(vorlage, geschrieben, fehler, druck);
        QTextCursor(vorlage.document()).insertText(vorher);
        const int ab = protokoll.vorlageEnde();
        QTextCursor ende(vorlage.document());
        ende.movePosition(QTextCursor::End);
        ende.insertText(abschnitt);

        lauf::MarkierteFaerben faerben;
        for (const QString &ziel : ziele)
            faerben.woerter.append({ziel, ziel});
        faerben.markiert = markiert;
        protokoll.markierteFaerben(ab, faerben);
        QCOMPARE(redRuns(vorlage), rot);
        QCOMPARE(vorlage.toPlainText(), vorher + abschnitt);
    }

    // What the pupil file gets of the wrong words: none may read back as a header, and
    // the list shows what is recorded.
    void wrongWordsAsTheFileTakesThem()
    {
        QTextEdit vorlage;
        QTextEdit geschrieben;
        QPlainTextEdit fehler;
        QPlainTextEdit druck;
        Ergebnisprotokoll protokoll(vorlage, geschrieben, fehler, druck);
        QCOMPARE(protokoll.fehlerZeilen(), QStringList());
        fehler.setPlainText(u"~Hund\nKatze\n"_s);
        QCOMPARE(protokoll.fehlerFuerDatei(), (QStringList{u"Hund"_s, u"Katze"_s, QString()}));
        QCOMPARE(fehler.toPlainText(), u"Hund\nKatze\n"_s);
        QCOMPARE(protokoll.fehlerZeilen(), (QStringList{u"Hund"_s, u"Katze"_s}));
    }
};

QTEST_MAIN(TestErgebnisprotokoll)
#include "tst_ergebnisprotokoll.moc"
