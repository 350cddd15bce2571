#include "writing/core/nachschreiben.h"

#include <QtGlobal>
#include <array>

namespace writing {

namespace {

constexpr QChar blank = u' ';

// The letter at `k` differs from the target's; a place past the target's end always does.
bool falsch(QStringView text, QStringView ziel, qsizetype k)
{
    return k >= ziel.size() || text[k] != ziel[k];
}

// The text is no beginning of the target: a letter differs, or it runs past the end.
bool istFehler(QStringView text, QStringView ziel)
{
    return text.size() > ziel.size() || text != ziel.first(text.size());
}

// The offset of the blank in front of the word the caret stands in (0 at the start).
int wortAnfang(QStringView text, int caret)
{
    int p = caret;
    while (p > 0 && text[p - 1] != blank)
        --p;
    return p;
}

void anfuegen(QList<Farbspanne> &farben, int k, bool fehler)
{
    if (!farben.isEmpty() && farben.constLast().fehler == fehler &&
        farben.constLast().start + farben.constLast().laenge == k)
        ++farben.last().laenge;
    else
        farben.append({k, 1, fehler});
}

// From the caret's word to the end, each word with the blank that ends it: in the error
// colour when one of its letters, or that blank, is not the target's at its place.
QList<Farbspanne> wortweise(QStringView text, int caret, QStringView ziel)
{
    QList<Farbspanne> farben;
    const int n = int(text.size());
    int start = -1;
    bool wrong = false;
    // p counts letters from 1; p is the blank before the word (or 0, or the end).
    for (int p = wortAnfang(text, caret); p <= n; ++p) {
        if (p == 0 || text[p - 1] == blank || p == n) {
            if (start >= 0)
                farben.append({start, p - start, wrong});
            start = p;
            wrong = false;
        }
        if (p + 1 <= n && falsch(text, ziel, p))
            wrong = true;
    }
    return farben;
}

} // namespace

std::optional<Reaktion> reaktionFuerKnopf(int knopf)
{
    // The buttons are listed in the settings in another order than the modes.
    static constexpr std::array<Reaktion, 7> modus{
        Reaktion::Lesefinger,   Reaktion::NichtAnnehmen,      Reaktion::BuchstabenMarkieren,
        Reaktion::WortFaerben,  Reaktion::HintergrundFaerben, Reaktion::Keine,
        Reaktion::WortLoeschen,
    };
    if (knopf < 1 || knopf > int(modus.size()))
        return std::nullopt;
    return modus[size_t(knopf - 1)];
}

Pruefung aenderungPruefen(Nachschreibform form, Reaktion reaktion, const Stand &vorher,
                          const Stand &jetzt, QStringView ziel)
{
    const QString &text = jetzt.text;
    const int n = int(text.size());
    Pruefung p;
    p.stand = {text, qBound(0, jetzt.caret, n)};

    // One word: a blank after it ends the word, without any reaction.
    if (form == Nachschreibform::Wort && text.endsWith(blank)) {
        p.stand.text.chop(1);
        p.stand.caret = n - 1;
        p.zurueckschreiben = true;
        p.fertig = true;
        return p;
    }

    const bool fehler = istFehler(text, ziel);
    switch (reaktion) {
    case Reaktion::Lesefinger:
    case Reaktion::Keine:
        return p;
    case Reaktion::WortFaerben:
        if (form == Nachschreibform::Abschnitt)
            p.farben = wortweise(text, p.stand.caret, ziel);
        else if (n > 0)
            p.farben = {{0, n, fehler}};
        break;
    case Reaktion::HintergrundFaerben:
        p.hintergrundFehler = fehler;
        break;
    case Reaktion::BuchstabenMarkieren:
        for (int k = qMax(0, p.stand.caret - 1); k < n; ++k)
            anfuegen(p.farben, k, falsch(text, ziel, k));
        break;
    case Reaktion::NichtAnnehmen:
        // The wrong change is undone as a whole: the text and caret of before come back.
        if (fehler && n > 0) {
            p.stand = vorher;
            p.zurueckschreiben = true;
        }
        break;
    case Reaktion::WortLoeschen:
        if (fehler) {
            QString rest;
            if (form == Nachschreibform::Abschnitt) {
                // The caret's word and all behind it go; what is left is checked again,
                // so a wrong word before it goes too.
                int ende = wortAnfang(text, p.stand.caret);
                while (ende > 0 && istFehler(QStringView(text).first(ende), ziel))
                    ende = wortAnfang(text, ende - 1);
                rest = text.first(ende);
            }
            p.stand = {rest, qMin(p.stand.caret, int(rest.size()))};
            p.zurueckschreiben = true;
        }
        break;
    }
    p.ohneFehlerFaellt = fehler;
    return p;
}

Auswertung auswerten(QStringView text, const QString &ziel, bool ohneFehler, Lob lob,
                     bool neueUebung)
{
    Auswertung a;
    qsizetype n = text.size();
    while (n > 0 && text[n - 1] == blank)
        --n;
    a.geschrieben = text.first(n).toString();
    a.richtig = a.geschrieben == ziel;
    if (a.richtig && ohneFehler)
        a.lob = lob;
    if (!neueUebung)
        return a;
    if (a.richtig) {
        a.druckText = ziel + blank;
        a.vorlageText = {{a.druckText, farbe::schwarz}};
        a.geschriebenText = a.vorlageText;
    } else {
        a.druckText = a.geschrieben + blank;
    }
    return a;
}

namespace {
constexpr std::array<int, 11> pausen{70, 50, 35, 25, 15, 10, 5, 3, 2, 1, 0};
constexpr std::array<int, 11> pausenPlusWort{1, 2, 3, 5, 10, 15, 20, 25, 35, 50, 70};
constexpr int langsamste = 70;
// With no pause at all the finger still moves visibly: four columns a millisecond.
constexpr double kuerzesterSchritt = 0.25;
} // namespace

int fingerPause(int tempo)
{
    return pausen[size_t(qBound(0, tempo, 10))];
}

int fingerPausePlus(Nachschreibform form, int tempo)
{
    if (form == Nachschreibform::Wort)
        return pausenPlusWort[size_t(qBound(0, tempo, 10))];
    return fingerPause(tempo);
}

int fingerPauseMinus(int pause)
{
    return pause < langsamste ? pause + 5 : pause;
}

FingerLauf::FingerLauf(const QList<int> &zeilenBreiten)
{
    for (int breite : zeilenBreiten) {
        if (breite <= 0)
            break;
        m_breiten.append(breite);
    }
}

void FingerLauf::weiter(double ms, int pause)
{
    const double schritt = pause > 0 ? pause : kuerzesterSchritt;
    m_guthaben += ms;
    while (!fertig() && m_guthaben >= schritt) {
        m_guthaben -= schritt;
        if (m_spalte < m_breiten[m_zeile]) {
            ++m_spalte;
        } else {
            ++m_zeile;
            m_spalte = fertig() ? -1 : 0;
        }
    }
}

} // namespace writing
