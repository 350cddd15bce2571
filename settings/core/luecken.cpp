#include "settings/core/luecken.h"

#include <algorithm>
#include <array>
#include <vector>

namespace auswertung {
namespace {

bool istMarke(QChar ch)
{
    return ch == u'$' || ch == u'&' || ch == u'§';
}

// Parts the text as the exercise does: a pair never spans one.
bool istLeerzeichen(QChar ch)
{
    return ch <= u' ' || ch == QChar::ParagraphSeparator || ch == QChar::LineSeparator;
}

// A run of letters found in a word: where it starts in the text and how long it is.
struct Fund {
    qsizetype start;
    qsizetype laenge;
};

// The letters of the chosen phenomena, sorted by where they must stand; the "contains"
// letters also by their first character, so that each word is read once.
class Suche {
public:
    explicit Suche(quint32 phaenomene)
    {
        for (int row = 0; row < sonstigeWoerter; ++row) {
            if (!(phaenomene >> row & 1u))
                continue;
            for (const QStringView m : muster(row)) {
                switch (test(row)) {
                case Test::Enthaelt:
                    m_enthaelt[m[0].unicode() & 0xFF].push_back(m);
                    break;
                case Test::Anfang:
                    m_anfang.push_back(m);
                    break;
                case Test::Ende:
                    m_ende.push_back(m);
                    break;
                case Test::Keiner:
                    break;
                }
            }
        }
    }

    // The letter runs of `wort` (small letters only), as places from `offset`.
    void finden(QStringView wort, qsizetype offset, std::vector<Fund> &funde) const
    {
        for (qsizetype i = 0; i < wort.size(); ++i) {
            const char16_t ch = wort[i].unicode();
            if (ch > 0xFF)
                continue;
            for (const QStringView m : m_enthaelt[ch]) {
                if (wort.sliced(i).startsWith(m))
                    funde.push_back({offset + i, m.size()});
            }
        }
        for (const QStringView m : m_anfang) {
            if (wort.startsWith(m))
                funde.push_back({offset, m.size()});
        }
        for (const QStringView m : m_ende) {
            if (wort.endsWith(m))
                funde.push_back({offset + wort.size() - m.size(), m.size()});
        }
    }

private:
    std::array<std::vector<QStringView>, 256> m_enthaelt;
    std::vector<QStringView> m_anfang;
    std::vector<QStringView> m_ende;
};

// Of runs that overlap, the longer one stays, of two as long the earlier; the runs that
// stay come out in the order they stand.
void ueberlappendeStreichen(std::vector<Fund> &funde)
{
    std::sort(funde.begin(), funde.end(), [](const Fund &a, const Fund &b) {
        return a.laenge != b.laenge ? a.laenge > b.laenge : a.start < b.start;
    });
    std::vector<Fund> bleiben;
    for (const Fund &fund : funde) {
        const bool frei = std::none_of(bleiben.begin(), bleiben.end(), [&fund](const Fund &b) {
            return fund.start < b.start + b.laenge && b.start < fund.start + fund.laenge;
        });
        if (frei)
            bleiben.push_back(fund);
    }
    std::sort(bleiben.begin(), bleiben.end(),
              [](const Fund &a, const Fund &b) { return a.start < b.start; });
    funde.swap(bleiben);
}

} // namespace

QString lueckenSetzen(QStringView text, quint32 phaenomene, QChar zeichen, qsizetype von,
                      qsizetype bis)
{
    qsizetype textEnde = text.indexOf(u'#');
    if (textEnde < 0)
        textEnde = text.size();
    von = std::clamp<qsizetype>(von, 0, text.size());
    bis = std::clamp<qsizetype>(bis < 0 ? text.size() : bis, von, textEnde < von ? von : textEnde);
    phaenomene &= markierbarePhaenomene;
    if (!istMarke(zeichen) || phaenomene == 0 || von == bis)
        return text.toString();

    const Suche suche(phaenomene);
    QString result;
    result.reserve(text.size() + text.size() / 4);
    qsizetype kopiert = 0; // the text before this place is in `result`
    std::vector<Fund> funde;
    QString klein;
    // The pair state as the markup check has it; a blank ends a broken pair, so one
    // broken pair keeps only its own word as it is.
    QChar offen;
    qsizetype i = 0;
    while (i < bis) {
        const QChar ch = text[i];
        if (istLeerzeichen(ch)) {
            offen = QChar();
            ++i;
            continue;
        }
        if (!ch.isLetter() && !istMarke(ch)) {
            ++i;
            continue;
        }
        // A word: letters and marks up to the next other character.
        const qsizetype anfang = i;
        bool mitMarke = false;
        const bool imPaar = !offen.isNull();
        for (; i < text.size() && (text[i].isLetter() || istMarke(text[i])); ++i) {
            const QChar c = text[i];
            if (!istMarke(c))
                continue;
            mitMarke = true;
            if (offen.isNull())
                offen = c;
            else if (c == offen)
                offen = QChar();
        }
        if (mitMarke || imPaar || i <= von)
            continue;
        const QStringView wort = text.sliced(anfang, i - anfang);
        klein.resize(wort.size());
        for (qsizetype k = 0; k < wort.size(); ++k)
            klein[k] = wort[k].toLower();
        funde.clear();
        suche.finden(klein, anfang, funde);
        std::erase_if(
            funde, [von, bis](const Fund &f) { return f.start < von || f.start + f.laenge > bis; });
        if (funde.empty())
            continue;
        ueberlappendeStreichen(funde);
        for (const Fund &fund : funde) {
            result.append(text.sliced(kopiert, fund.start - kopiert));
            result.append(zeichen);
            result.append(text.sliced(fund.start, fund.laenge));
            result.append(zeichen);
            kopiert = fund.start + fund.laenge;
        }
    }
    result.append(text.sliced(kopiert));
    return result;
}

} // namespace auswertung
