#include "writing/core/wortvergleich.h"

using namespace Qt::StringLiterals;

namespace writing {

namespace {

bool istDoppeltesAnfuehrungszeichen(QChar ch)
{
    return ch == u'"' || ch == u'\u201E' || ch == u'\u201C' || ch == u'\u201D';
}

// The raw words beside the target words. A raw word whose letters need not be written
// ("&Hund&") has no target word, so it is left out here as well; otherwise every raw
// word after it would stand beside the wrong target word.
QStringList rohWoerter(QStringView roh)
{
    QStringList result;
    markup::TargetWords ziele;
    for (const QString &wort : woerter(roh)) {
        if (!ziele.next(wort).isEmpty())
            result << fehlerwort(wort);
    }
    return result;
}

QString meldungFuer(qsizetype geschrieben, qsizetype vorlage)
{
    if (geschrieben < vorlage)
        return u"Du hast ein Wort vergessen"_s;
    if (geschrieben > vorlage)
        return u"Du hast ein Wort zuviel geschrieben"_s;
    return {};
}

} // namespace

QStringList woerter(QStringView text)
{
    QStringList result;
    for (QStringView wort : text.tokenize(u' ', Qt::SkipEmptyParts))
        result << wort.toString();
    return result;
}

QString fehlerwort(QStringView rohWort)
{
    QString result;
    result.reserve(rohWort.size());
    for (QChar ch : rohWort) {
        if (!QStringView(u".?!;,:").contains(ch) && !istDoppeltesAnfuehrungszeichen(ch))
            result += ch;
    }
    return result;
}

Vergleich vergleichen(const VergleichsEingabe &eingabe)
{
    const QStringList geschrieben = woerter(eingabe.geschrieben);
    const QStringList vorlage = woerter(eingabe.vorlage);
    const QStringList roh = rohWoerter(
        eingabe.dateityp == markup::FileType::Woerter ? eingabe.wortRoh : eingabe.abschnittRoh);
    const bool gruppeAlsGanzes =
        eingabe.ganzeWortgruppe && eingabe.dateityp == markup::FileType::Wortgruppen;
    const qsizetype nW = geschrieben.size();
    const qsizetype nV = vorlage.size();

    Vergleich ergebnis;
    ergebnis.meldung = meldungFuer(nW, nV);
    auto zuviel = [&ergebnis](const QString &wort) {
        ergebnis.paare.append({wort, {}, WortArt::Zuviel});
        ergebnis.geschriebenText.append({wort + u' ', farbe::rot});
    };

    // Every written word before j has been drawn; each is drawn exactly once.
    qsizetype j = 0;
    bool gruppeFrei = true;
    for (qsizetype i = 0; i < nV; ++i) {
        const QString &ziel = vorlage[i];
        QString s = j < nW ? geschrieben[j] : QString();
        if (s != ziel) {
            // One or two words too many before the target word.
            if (j + 1 < nW && geschrieben[j + 1] == ziel) {
                zuviel(s);
                j += 1;
                s = geschrieben[j];
            } else if (j + 2 < nW && geschrieben[j + 2] == ziel) {
                zuviel(s + u' ' + geschrieben[j + 1]);
                j += 2;
                s = geschrieben[j];
            }
        }
        // A written word that belongs to the next target word: this one was left out,
        // and the written word waits for the next.
        if (s != ziel && i + 1 < nV && s == vorlage[i + 1])
            s.clear();

        const WortArt art = s == ziel     ? WortArt::Richtig
                            : s.isEmpty() ? WortArt::Vergessen
                                          : WortArt::Falsch;
        ergebnis.paare.append({s, ziel, art});
        ergebnis.geschriebenText.append(
            {s + u' ', art == WortArt::Richtig ? farbe::schwarz : farbe::rot});
        ergebnis.vorlageText.append({ziel, art == WortArt::Richtig     ? farbe::schwarz
                                           : art == WortArt::Vergessen ? farbe::blau
                                                                       : farbe::rot});
        ergebnis.vorlageText.append({u" "_s, farbe::schwarz});

        if (art == WortArt::Falsch && gruppeFrei) {
            if (gruppeAlsGanzes) {
                ergebnis.fehler << eingabe.wortgruppeRoh;
                gruppeFrei = false;
            } else if (i < roh.size() && !roh[i].isEmpty()) {
                ergebnis.fehler << roh[i];
            }
        }
        if (!s.isEmpty())
            ++j;
    }
    // Words written after the last target word are extra words as well.
    for (; j < nW; ++j)
        zuviel(geschrieben[j]);
    return ergebnis;
}

} // namespace writing
