#include "writing/core/nachschreiben.h"

#include <QTest>

using namespace Qt::StringLiterals;
using writing::Nachschreibform;
using writing::Reaktion;

namespace {

// "Ha|us": the text "Haus" with the caret after "Ha".
writing::Stand stand(const QString &s)
{
    QString text = s;
    const int caret = int(text.indexOf(u'|'));
    text.remove(u'|');
    return {text, caret};
}

// The text after a check with its caret as "|", the letters recoloured in the error
// colour in [] and back in the normal colour in {}.
QString gezeigt(const writing::Pruefung &p)
{
    const QString &text = p.stand.text;
    QList<int> art(text.size(), 0);
    for (const writing::Farbspanne &s : p.farben)
        for (int k = s.start; k < s.start + s.laenge; ++k)
            art[k] = s.fehler ? 2 : 1;
    QString out;
    int offen = 0;
    for (int i = 0; i <= text.size(); ++i) {
        const int jetzt = i < text.size() ? art[i] : 0;
        if (offen && jetzt != offen)
            out += offen == 2 ? u']' : u'}';
        if (i == p.stand.caret)
            out += u'|';
        if (jetzt && jetzt != offen)
            out += jetzt == 2 ? u'[' : u'{';
        offen = jetzt;
        if (i < text.size())
            out += text[i];
    }
    return out;
}

} // namespace

class TestNachschreiben : public QObject {
    Q_OBJECT

private slots:
    void aenderungPruefen_data()
    {
        QTest::addColumn<Nachschreibform>("form");
        QTest::addColumn<Reaktion>("reaktion");
        QTest::addColumn<QString>("ziel");
        QTest::addColumn<QString>("vorher");
        QTest::addColumn<QString>("jetzt");
        QTest::addColumn<QString>("danach");
        QTest::addColumn<bool>("zurueck");
        QTest::addColumn<int>("hintergrund"); // -1 left alone, 0 normal, 1 error colour
        QTest::addColumn<bool>("faellt");
        QTest::addColumn<bool>("fertig");

        const auto W = Nachschreibform::Wort;
        const auto A = Nachschreibform::Abschnitt;
        const QString haus = u"Haus"_s;
        const QString satz = u"der Hund bellt"_s;
        // clang-format off
        QTest::addRow("word, mode 1: nothing now") << W << Reaktion::Lesefinger << haus << u"Ha|"_s << u"Hx|"_s << u"Hx|"_s << false << -1 << false << false;
        QTest::addRow("word, mode 6: nothing") << W << Reaktion::Keine << haus << u"Ha|"_s << u"Hx|"_s << u"Hx|"_s << false << -1 << false << false;
        QTest::addRow("word, mode 2: wrong word red") << W << Reaktion::WortFaerben << haus << u"Ha|"_s << u"Hx|"_s << u"[Hx]|"_s << false << -1 << true << false;
        QTest::addRow("word, mode 2: right again") << W << Reaktion::WortFaerben << haus << u"H|"_s << u"Ha|"_s << u"{Ha}|"_s << false << -1 << false << false;
        QTest::addRow("word, mode 2: case differs") << W << Reaktion::WortFaerben << haus << u"|"_s << u"h|"_s << u"[h]|"_s << false << -1 << true << false;
        QTest::addRow("word, mode 3: background red") << W << Reaktion::HintergrundFaerben << haus << u"Ha|"_s << u"Hx|"_s << u"Hx|"_s << false << 1 << true << false;
        QTest::addRow("word, mode 3: background back") << W << Reaktion::HintergrundFaerben << haus << u"Hx|"_s << u"H|"_s << u"H|"_s << false << 0 << false << false;
        QTest::addRow("word, mode 4: from the letter before the caret") << W << Reaktion::BuchstabenMarkieren << haus << u"H|us"_s << u"Hx|us"_s << u"H[x]|{us}"_s << false << -1 << true << false;
        QTest::addRow("word, mode 4: past the target's end") << W << Reaktion::BuchstabenMarkieren << haus << u"Haus|"_s << u"Hause|n"_s << u"Haus[e|n]"_s << false << -1 << true << false;
        QTest::addRow("word, mode 5: the line as before") << W << Reaktion::NichtAnnehmen << haus << u"Ha|"_s << u"Hax|"_s << u"Ha|"_s << true << -1 << true << false;
        QTest::addRow("word, mode 5: right letter kept") << W << Reaktion::NichtAnnehmen << haus << u"Ha|"_s << u"Hau|"_s << u"Hau|"_s << false << -1 << false << false;
        QTest::addRow("word, mode 7: line emptied") << W << Reaktion::WortLoeschen << haus << u"Hau|"_s << u"Hax|"_s << u"|"_s << true << -1 << true << false;
        QTest::addRow("word: blank after it finishes") << W << Reaktion::Keine << haus << u"Haus|"_s << u"Haus |"_s << u"Haus|"_s << true << -1 << false << true;
        QTest::addRow("word: blank finishes a wrong word unjudged") << W << Reaktion::WortLoeschen << haus << u"Hxus|"_s << u"Hxus |"_s << u"Hxus|"_s << true << -1 << false << true;

        QTest::addRow("group, mode 1: nothing now") << A << Reaktion::Lesefinger << satz << u"der H|"_s << u"der x|"_s << u"der x|"_s << false << -1 << false << false;
        QTest::addRow("group, mode 6: a blank is a letter") << A << Reaktion::Keine << satz << u"der|"_s << u"der |"_s << u"der |"_s << false << -1 << false << false;
        QTest::addRow("group, mode 2: from the caret's word on") << A << Reaktion::WortFaerben << satz << u"der H|nd bellt"_s << u"der Hx|nd bellt"_s << u"der [Hx|nd ]{bellt}"_s << false << -1 << true << false;
        QTest::addRow("group, mode 2: a letter put in shifts the rest") << A << Reaktion::WortFaerben << satz << u"der H|und bellt"_s << u"der Hx|und bellt"_s << u"der [Hx|und bellt]"_s << false << -1 << true << false;
        QTest::addRow("group, mode 2: words past the target's end") << A << Reaktion::WortFaerben << satz << u"der Hund bellt la|"_s << u"der Hund bellt lau|"_s << u"der Hund bellt [lau]|"_s << false << -1 << true << false;
        QTest::addRow("group, mode 2: the first word right") << A << Reaktion::WortFaerben << satz << u"de|"_s << u"der|"_s << u"{der}|"_s << false << -1 << false << false;
        QTest::addRow("group, mode 3: background red") << A << Reaktion::HintergrundFaerben << satz << u"der|"_s << u"derr|"_s << u"derr|"_s << false << 1 << true << false;
        QTest::addRow("group, mode 4: in the middle") << A << Reaktion::BuchstabenMarkieren << satz << u"der H|nd bellt"_s << u"der Hx|nd bellt"_s << u"der H[x]|{nd bellt}"_s << false << -1 << true << false;
        QTest::addRow("group, mode 4: caret at 0") << A << Reaktion::BuchstabenMarkieren << satz << u"der|"_s << u"|er"_s << u"|[er]"_s << false << -1 << true << false;
        QTest::addRow("group, mode 5: at the end") << A << Reaktion::NichtAnnehmen << satz << u"der H|"_s << u"der Hx|"_s << u"der H|"_s << true << -1 << true << false;
        QTest::addRow("group, mode 5: caret in the middle") << A << Reaktion::NichtAnnehmen << satz << u"der |Hund"_s << u"der x|Hund"_s << u"der |Hund"_s << true << -1 << true << false;
        QTest::addRow("group, mode 5: caret at 0") << A << Reaktion::NichtAnnehmen << satz << u"der|"_s << u"|er"_s << u"der|"_s << true << -1 << true << false;
        QTest::addRow("group, mode 5: a blank kept") << A << Reaktion::NichtAnnehmen << satz << u"der|"_s << u"der |"_s << u"der |"_s << false << -1 << false << false;
        QTest::addRow("group, mode 7: the caret's word and the rest") << A << Reaktion::WortLoeschen << satz << u"der H|nd bellt"_s << u"der Hx|nd bellt"_s << u"der |"_s << true << -1 << true << false;
        QTest::addRow("group, mode 7: a wrong word before it goes too") << A << Reaktion::WortLoeschen << satz << u"|"_s << u"dxr Hund|"_s << u"|"_s << true << -1 << true << false;
        QTest::addRow("group, mode 7: right text stays") << A << Reaktion::WortLoeschen << satz << u"der H|"_s << u"der Hu|"_s << u"der Hu|"_s << false << -1 << false << false;
        // clang-format on
    }

    void aenderungPruefen()
    {
        QFETCH(Nachschreibform, form);
        QFETCH(Reaktion, reaktion);
        QFETCH(QString, ziel);
        QFETCH(QString, vorher);
        QFETCH(QString, jetzt);
        QFETCH(QString, danach);
        QFETCH(bool, zurueck);
        QFETCH(int, hintergrund);
        QFETCH(bool, faellt);
        QFETCH(bool, fertig);

        const writing::Pruefung p =
            writing::aenderungPruefen(form, reaktion, stand(vorher), stand(jetzt), ziel);
        QCOMPARE(gezeigt(p), danach);
        QCOMPARE(p.zurueckschreiben, zurueck);
        QCOMPARE(p.hintergrundFehler ? int(*p.hintergrundFehler) : -1, hintergrund);
        QCOMPARE(p.ohneFehlerFaellt, faellt);
        QCOMPARE(p.fertig, fertig);
        // What is written back is a right beginning, so checking it again changes nothing.
        if (zurueck && !fertig) {
            const writing::Pruefung nochmal =
                writing::aenderungPruefen(form, reaktion, p.stand, p.stand, ziel);
            QCOMPARE(nochmal.stand, p.stand);
            QVERIFY(!nochmal.zurueckschreiben);
        }
    }

    void auswerten_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ohneFehler");
        QTest::addColumn<int>("lobArt");
        QTest::addColumn<bool>("neueUebung");
        QTest::addColumn<bool>("richtig");
        QTest::addColumn<writing::Lob>("lob");
        QTest::addColumn<QString>("druckText");

        using writing::Lob;
        // clang-format off
        QTest::addRow("right: praise text") << u"Haus"_s << true << 1 << true << true << Lob::Text << u"Haus "_s;
        QTest::addRow("right: praise picture") << u"Haus"_s << true << 2 << true << true << Lob::Bild << u"Haus "_s;
        QTest::addRow("right, kein Lob: only recorded") << u"Haus"_s << true << 0 << true << true << Lob::Keins << u"Haus "_s;
        QTest::addRow("right after a wrong letter: no praise") << u"Haus"_s << false << 1 << true << true << Lob::Keins << u"Haus "_s;
        QTest::addRow("trailing blanks dropped") << u"Haus   "_s << true << 1 << true << true << Lob::Text << u"Haus "_s;
        QTest::addRow("wrong: to the comparison") << u"Hause  "_s << true << 1 << true << false << Lob::Keins << u"Hause "_s;
        QTest::addRow("small initial is wrong") << u"haus"_s << true << 1 << true << false << Lob::Keins << u"haus "_s;
        QTest::addRow("repetition, right: nothing recorded") << u"Haus"_s << true << 1 << false << true << Lob::Text << u""_s;
        QTest::addRow("repetition, wrong: nothing recorded") << u"Hau"_s << true << 1 << false << false << Lob::Keins << u""_s;
        // clang-format on
    }

    void auswerten()
    {
        QFETCH(QString, text);
        QFETCH(bool, ohneFehler);
        QFETCH(int, lobArt);
        QFETCH(bool, neueUebung);
        QFETCH(bool, richtig);
        QFETCH(writing::Lob, lob);
        QFETCH(QString, druckText);

        const writing::Auswertung a =
            writing::auswerten(text, u"Haus"_s, ohneFehler, writing::Lob(lobArt), neueUebung);
        QCOMPARE(a.richtig, richtig);
        QCOMPARE(a.lob, lob);
        QCOMPARE(a.druckText, druckText);
        // A right word goes black into both texts; a wrong one is left to the comparison.
        const QList<writing::TextStueck> schwarz{{u"Haus "_s, writing::farbe::schwarz}};
        const auto erwartet = richtig && neueUebung ? schwarz : QList<writing::TextStueck>{};
        QCOMPARE(a.vorlageText, erwartet);
        QCOMPARE(a.geschriebenText, erwartet);
    }

    void fingerPausen_data()
    {
        QTest::addColumn<int>("tempo");
        QTest::addColumn<int>("pause");
        QTest::addColumn<int>("plusWort");
        QTest::addColumn<int>("minus");

        QTest::addRow("slowest") << 0 << 70 << 1 << 70;
        QTest::addRow("1") << 1 << 50 << 2 << 55;
        QTest::addRow("default 4") << 4 << 15 << 10 << 20;
        QTest::addRow("8") << 8 << 2 << 35 << 7;
        QTest::addRow("fastest") << 10 << 0 << 70 << 5;
        QTest::addRow("below the range") << -3 << 70 << 1 << 70;
        QTest::addRow("above the range") << 14 << 0 << 70 << 5;
    }

    void fingerPausen()
    {
        QFETCH(int, tempo);
        QFETCH(int, pause);
        QFETCH(int, plusWort);
        QFETCH(int, minus);
        QCOMPARE(writing::fingerPause(tempo), pause);
        QCOMPARE(writing::fingerPausePlus(Nachschreibform::Abschnitt, tempo), pause);
        QCOMPARE(writing::fingerPausePlus(Nachschreibform::Wort, tempo), plusWort);
        QCOMPARE(writing::fingerPauseMinus(pause), minus);
    }
};

QTEST_MAIN(TestNachschreiben)
#include "tst_nachschreiben.moc"
