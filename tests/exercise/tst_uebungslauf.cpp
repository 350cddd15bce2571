#include "exercise/core/uebungslauf.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// One step as a line of the table; what the pupil does is taken from `antworten` in turn:
// a choice as "section|next sentence|next offset", a rewrite as "ok", "falsch" (finished
// wrong) or "weg" (left without finishing), a display as "-" or the offset of a word
// marked on it.
QString ablauf(lauf::Uebungslauf &lauf, QStringList antworten)
{
    QStringList schritte;
    for (int i = 0; i < 30; ++i) {
        const lauf::Schritt schritt = lauf.next();
        if (const auto *w = std::get_if<lauf::AbschnittWaehlen>(&schritt)) {
            schritte << u"wählen %1/%2"_s.arg(w->satzNr).arg(w->abschnittEnde);
            const QStringList wahl = antworten.takeFirst().split(u'|');
            lauf.gewaehlt(wahl[0], wahl.value(1).toInt(), wahl.value(2).toInt());
        } else if (const auto *z = std::get_if<lauf::Zeigen>(&schritt)) {
            static const char *const namen[] = {"laufbahn",  "alternativ", "kurzzeit",
                                                "gleit alt", "lesefinger", "silbenlesen"};
            schritte << QString::fromLatin1(namen[int(z->anzeige)]) + u" »"_s +
                            markup::displayStringWords(z->anzeigeText).join(u' ') + u'«' +
                            (z->abdecken ? u" abgedeckt"_s : QString());
            const QString mark = antworten.takeFirst();
            if (mark != u"-")
                lauf.markiert(mark.toInt());
        } else if (const auto *n = std::get_if<lauf::Nachschreiben>(&schritt)) {
            schritte << (n->gruppe ? u"gruppe "_s : u"wort "_s) + n->ziel + u" ("_s + n->wortRoh +
                            u')';
            const QString antwort = antworten.takeFirst();
            if (antwort != u"weg")
                lauf.bewertet(antwort == u"ok");
            lauf.nachgeschrieben(antwort == u"weg");
        } else if (const auto *m = std::get_if<lauf::MarkierteFaerben>(&schritt)) {
            QStringList stellen;
            for (int stelle : m->markiert)
                stellen << QString::number(stelle);
            schritte << u"färben "_s + stellen.join(u',');
        } else {
            schritte << (std::get<lauf::Fertig>(schritt).nachgeschrieben ? u"fertig, geschrieben"_s
                                                                         : u"fertig"_s);
            break;
        }
    }
    return schritte.join(u"; "_s);
}

} // namespace

class TestUebungslauf : public QObject {
    Q_OBJECT
private slots:
    void aRunStepsThroughItsChunks_data()
    {
        QTest::addColumn<QString>("puffer");
        QTest::addColumn<int>("modus");
        QTest::addColumn<bool>("kurzzeit");
        QTest::addColumn<QStringList>("antworten");
        QTest::addColumn<QString>("schritte");
        const int woerter = int(markup::FileType::Woerter);
        const int gruppen = int(markup::FileType::Wortgruppen);
        const int text = int(markup::FileType::Text);

        QTest::addRow("words: two a chunk, each rewritten")
            << u"Hund Katze Maus  #"_s << woerter << false
            << QStringList{u"-"_s, u"ok"_s, u"ok"_s, u"-"_s, u"ok"_s}
            << u"laufbahn »Hund Katze«; wort Hund (Hund); wort Katze (Katze); "
               u"laufbahn »Maus«; wort Maus (Maus); fertig, geschrieben"_s;
        QTest::addRow("words: left at the first word")
            << u"Hund Katze Maus  #"_s << woerter << false << QStringList{u"-"_s, u"weg"_s}
            << u"laufbahn »Hund Katze«; wort Hund (Hund); fertig"_s;
        QTest::addRow("words: a word not to be written is only shown")
            << u"Hund &Katze& Maus  #"_s << woerter << false
            << QStringList{u"-"_s, u"ok"_s, u"-"_s, u"ok"_s}
            << u"laufbahn »Hund Katze«; wort Hund (Hund); laufbahn »Maus«; wort Maus (Maus); "
               u"fertig, geschrieben"_s;
        QTest::addRow("words: a marked word is coloured after the chunk, also when left")
            << u"Ha$us$e Katze  #"_s << woerter << false << QStringList{u"5"_s, u"ok"_s, u"weg"_s}
            << u"laufbahn »Ha#e Katze«; wort Hause (Ha$us$e); wort Katze (Katze); färben 1; "
               u"fertig, geschrieben"_s;
        QTest::addRow("words: flashed with the short-time display")
            << u"Hund  #"_s << woerter << true << QStringList{u"-"_s, u"ok"_s}
            << u"kurzzeit »Hund«; wort Hund (Hund); fertig, geschrieben"_s;
        QTest::addRow("words: nothing to exercise")
            << u"   #"_s << woerter << false << QStringList() << u"fertig"_s;
        QTest::addRow("groups: one group a chunk, written whole")
            << u"der_Hund die_Katze  #"_s << gruppen << true
            << QStringList{u"-"_s, u"ok"_s, u"-"_s, u"ok"_s}
            << u"laufbahn »der Hund«; gruppe der Hund (der Hund); laufbahn »die Katze«; "
               u"gruppe die Katze (die Katze); fertig, geschrieben"_s;
        QTest::addRow("groups: left at once")
            << u"der_Hund die_Katze  #"_s << gruppen << false << QStringList{u"-"_s, u"weg"_s}
            << u"laufbahn »der Hund«; gruppe der Hund "
               u"(der Hund); fertig"_s;
        QTest::addRow("text: sections until the pupil chooses none")
            << u"Der Hund bellt. Die Katze.  #"_s << text << false
            << QStringList{u" Der Hund|1|8"_s, u"-"_s, u"ok"_s, u" bellt.|2|0"_s, u"-"_s, u"ok"_s,
                           QString()}
            << u"wählen 1/0; laufbahn »Der Hund«; gruppe Der Hund (Der Hund); wählen 1/8; "
               u"laufbahn »bellt.«; gruppe bellt. (bellt.); wählen 2/0; fertig, geschrieben"_s;
        QTest::addRow("text: a choice of blanks is none")
            << u"Der Hund bellt.  #"_s << text << false << QStringList{u"  |1|0"_s}
            << u"wählen 1/0; fertig"_s;
    }
    void aRunStepsThroughItsChunks()
    {
        QFETCH(QString, puffer);
        QFETCH(int, modus);
        QFETCH(bool, kurzzeit);
        QFETCH(QStringList, antworten);
        QFETCH(QString, schritte);
        lauf::LaufEinstellungen einstellungen;
        einstellungen.modus = markup::FileType(modus);
        einstellungen.woerterProAbschnitt = 2;
        einstellungen.kurzzeit = kurzzeit;
        einstellungen.letterPlaceholder = u'_';
        einstellungen.partPlaceholder = u'#';
        lauf::Uebungslauf lauf(puffer, true, einstellungen);
        QCOMPARE(ablauf(lauf, antworten), schritte);
        // Done stays done.
        QVERIFY(std::holds_alternative<lauf::Fertig>(lauf.next()));
    }

    // A word marked on a chunk's display is recorded as the word shown there, whatever
    // the placeholders look like: the display position is mapped through the chunk's
    // own words. "-": nothing is recorded.
    void aMarkedWordIsTheWordRecorded_data()
    {
        QTest::addColumn<QString>("puffer");
        QTest::addColumn<QChar>("buchstabe"); // the "§" placeholder
        QTest::addColumn<QChar>("teil");      // the "$" placeholder
        QTest::addColumn<QString>("anzeige");
        QTest::addColumn<int>("stelle");
        QTest::addColumn<QString>("wort");
        QTest::addRow("the first word") << u"der Ha§us§e $a$  #"_s << QChar(u'_') << QChar(u'#')
                                        << u"der Ha__e #"_s << 0 << u"der"_s;
        QTest::addRow("on a word's first letter")
            << u"der Ha§us§e $a$  #"_s << QChar(u'_') << QChar(u'#') << u"der Ha__e #"_s << 4
            << u"Ha§us§e"_s;
        QTest::addRow("one further on") << u"der Ha§us§e $a$  #"_s << QChar(u'_') << QChar(u'#')
                                        << u"der Ha__e #"_s << 5 << u"Ha§us§e"_s;
        QTest::addRow("a word shown as its placeholder")
            << u"der Ha§us§e $a$  #"_s << QChar(u'_') << QChar(u'#') << u"der Ha__e #"_s << 10
            << u"$a$"_s;
        QTest::addRow("the blank between two words: the word before")
            << u"Hund Katze  #"_s << QChar(u'_') << QChar(u'#') << u"Hund Katze"_s << 4
            << u"Hund"_s;
        QTest::addRow("a blank part placeholder: the word after it")
            << u"Ha$u$se Hund  #"_s << QChar(u'_') << QChar(u' ') << u"Ha se Hund"_s << 6
            << u"Hund"_s;
        QTest::addRow("a blank part placeholder: the word's end behind it")
            << u"Ha$u$se Hund  #"_s << QChar(u'_') << QChar(u' ') << u"Ha se Hund"_s << 3
            << u"Ha$u$se"_s;
        QTest::addRow("blank letter placeholders")
            << u"H§un§d Katze  #"_s << QChar(u' ') << QChar(u'#') << u"H  d Katze"_s << 3
            << u"H§un§d"_s;
        QTest::addRow("blank letter placeholders: the word after them")
            << u"H§un§d Katze  #"_s << QChar(u' ') << QChar(u'#') << u"H  d Katze"_s << 5
            << u"Katze"_s;
        QTest::addRow("an empty & pair standing as a word")
            << u"Hund && Katze  #"_s << QChar(u'_') << QChar(u'#') << u"Hund  Katze"_s << 6
            << u"Katze"_s;
        QTest::addRow("an empty § pair standing as a word")
            << u"Hund §§ Katze  #"_s << QChar(u'_') << QChar(u'#') << u"Hund  Katze"_s << 6
            << u"Katze"_s;
        QTest::addRow("the run-out after the words")
            << u"Hund Katze  #"_s << QChar(u'_') << QChar(u'#') << u"Hund Katze"_s << 12 << u"-"_s;
    }
    void aMarkedWordIsTheWordRecorded()
    {
        QFETCH(QString, puffer);
        QFETCH(QChar, buchstabe);
        QFETCH(QChar, teil);
        QFETCH(QString, anzeige);
        QFETCH(int, stelle);
        QFETCH(QString, wort);
        lauf::LaufEinstellungen einstellungen;
        einstellungen.woerterProAbschnitt = 3;
        einstellungen.letterPlaceholder = buchstabe;
        einstellungen.partPlaceholder = teil;
        lauf::Uebungslauf lauf(puffer, true, einstellungen);
        const lauf::Schritt schritt = lauf.next();
        const auto *zeigen = std::get_if<lauf::Zeigen>(&schritt);
        QVERIFY(zeigen);
        QCOMPARE(zeigen->anzeigeText.left(markup::displayStringEnd(zeigen->anzeigeText)).trimmed(),
                 anzeige);
        QCOMPARE(lauf.markiert(stelle).value_or(u"-"_s), wort);
    }

    // The kinds of run on the whole text: read once, or glided once and then rewritten
    // word by word, whatever the file type.
    void theWholeTextRuns_data()
    {
        QTest::addColumn<QString>("puffer");
        QTest::addColumn<int>("art");
        QTest::addColumn<bool>("alternativ");
        QTest::addColumn<QStringList>("antworten");
        QTest::addColumn<QString>("schritte");
        const int lesefinger = int(lauf::Art::Lesefinger);
        const int silben = int(lauf::Art::Silbenlesen);
        const int alt = int(lauf::Art::LaufbahnAlt);
        QTest::addRow("reading finger: the buffer shown, nothing written")
            << u"Der Hund.\r\nDie Katze.#"_s << lesefinger << false << QStringList{u"-"_s}
            << u"lesefinger »Der Hund.\r\nDie Katze.«; fertig"_s;
        QTest::addRow("syllables") << u"Ha-se#"_s << silben << true << QStringList{u"-"_s}
                                   << u"silbenlesen »Ha-se«; fertig"_s;
        QTest::addRow("old Laufbahn: over a line break, the target offered, the raw marked")
            << u"Ha$us$e\r\nKatze Maus"_s + QChar(0) + u"    #"_s << alt << false
            << QStringList{u"7"_s, u"ok"_s, u"ok"_s, u"ok"_s}
            << u"gleit alt »Ha#e Katze Maus« abgedeckt; wort Hause (Ha$us$e); "
               u"wort Katze (Katze); wort Maus (Maus); färben 1; fertig, geschrieben"_s;
        QTest::addRow("old Laufbahn: alternative display, left at the first word")
            << u"Hund Katze    #"_s << alt << true << QStringList{u"-"_s, u"weg"_s}
            << u"alternativ »Hund Katze« abgedeckt; wort Hund (Hund); fertig"_s;
    }
    void theWholeTextRuns()
    {
        QFETCH(QString, puffer);
        QFETCH(int, art);
        QFETCH(bool, alternativ);
        QFETCH(QStringList, antworten);
        QFETCH(QString, schritte);
        lauf::LaufEinstellungen einstellungen;
        einstellungen.art = lauf::Art(art);
        einstellungen.modus = markup::FileType::Text;
        einstellungen.kurzzeit = true;
        einstellungen.alternativ = alternativ;
        lauf::Uebungslauf lauf(puffer, true, einstellungen);
        QCOMPARE(ablauf(lauf, antworten), schritte);
        QVERIFY(std::holds_alternative<lauf::Fertig>(lauf.next()));
    }

    // A review: each word its own chunk, a word group written whole, a word by its words;
    // a word counts once it is written through.
    void aReviewRunsWordByWord_data()
    {
        QTest::addColumn<QStringList>("woerter"); // "G:" before a word group
        QTest::addColumn<QStringList>("antworten");
        QTest::addColumn<QString>("schritte");
        QTest::addColumn<QString>("geuebt");
        const QStringList drei = {u"Ha$us$e"_s, u"G:der_Hund"_s, u"Maus"_s};
        QTest::addRow("right, wrong, right")
            << drei << QStringList{u"-"_s, u"ok"_s, u"-"_s, u"falsch"_s, u"-"_s, u"ok"_s}
            << u"laufbahn »Ha#e«; wort Hause (Ha$us$e); laufbahn »der Hund«; "
               u"gruppe der Hund (der Hund); laufbahn »Maus«; wort Maus (Maus); "
               u"fertig, geschrieben"_s
            << u"Ha$us$e richtig, der_Hund falsch, Maus richtig"_s;
        QTest::addRow("left in the second word: it does not count")
            << drei << QStringList{u"-"_s, u"ok"_s, u"-"_s, u"weg"_s}
            << u"laufbahn »Ha#e«; wort Hause (Ha$us$e); laufbahn »der Hund«; "
               u"gruppe der Hund (der Hund); fertig, geschrieben"_s
            << u"Ha$us$e richtig"_s;
        QTest::addRow("marked on the display: wrong though written right, kept out of the list")
            << QStringList{u"Maus"_s} << QStringList{u"0"_s, u"ok"_s}
            << u"laufbahn »Maus«; wort Maus (Maus); fertig, geschrieben"_s << u"Maus falsch"_s;
        QTest::addRow("two words in one entry: wrong when one is")
            << QStringList{u"Hund Katze"_s, u"&nur& Maus"_s}
            << QStringList{u"-"_s, u"ok"_s, u"falsch"_s, u"-"_s, u"ok"_s}
            << u"laufbahn »Hund Katze«; wort Hund (Hund); wort Katze (Katze); "
               u"laufbahn »nur Maus«; wort Maus (Maus); fertig, geschrieben"_s
            << u"Hund Katze falsch, &nur& Maus richtig"_s;
        QTest::addRow("a word that is only shown is passed over")
            << QStringList{u"&nur&"_s, u"   "_s, u"Maus"_s} << QStringList{u"-"_s, u"-"_s, u"ok"_s}
            << u"laufbahn »nur«; laufbahn »Maus«; wort Maus (Maus); fertig, geschrieben"_s
            << u"Maus richtig"_s;
        QTest::addRow("nothing due") << QStringList() << QStringList() << u"fertig"_s << QString();
    }
    void aReviewRunsWordByWord()
    {
        QFETCH(QStringList, woerter);
        QFETCH(QStringList, antworten);
        QFETCH(QString, schritte);
        QFETCH(QString, geuebt);
        QList<lauf::Uebungswort> liste;
        for (const QString &wort : std::as_const(woerter))
            liste.append({wort.startsWith(u"G:") ? wort.sliced(2) : wort, wort.startsWith(u"G:")});
        lauf::LaufEinstellungen einstellungen;
        // The file type and words per chunk of the text loaded do not reach a review.
        einstellungen.modus = markup::FileType::Text;
        einstellungen.woerterProAbschnitt = 3;
        lauf::Uebungslauf lauf(liste, einstellungen);
        QVERIFY(!lauf.neueUebung());
        QCOMPARE(ablauf(lauf, antworten), schritte);
        QStringList ergebnis;
        for (const lauf::Geuebt &wort : lauf.geuebt())
            ergebnis << wort.text + (wort.richtig ? u" richtig"_s : u" falsch"_s);
        QCOMPARE(ergebnis.join(u", "_s), geuebt);
    }
};

QTEST_GUILESS_MAIN(TestUebungslauf)
#include "tst_uebungslauf.moc"
