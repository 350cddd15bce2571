#include "reading/core/trennmuster.h"

#include <QString>
#include <QVarLengthArray>

#include <algorithm>
#include <limits>
#include <numeric>
#include <optional>

namespace silben {

// One pattern as its file line gives it: the letters and the digits between them.
struct Trennmuster::Zeile {
    QByteArray wort;
    QByteArray ziffern; // without leading zeros: they end at the pattern's end
};

namespace {

// libhyphen reads its file with fgets into buffers of these sizes: a longer line goes on
// as a line of its own.
constexpr qsizetype kZeichensatzPuffer = 20;
constexpr qsizetype kZeilenPuffer = 100;

class Zeilenleser {
public:
    explicit Zeilenleser(QByteArrayView inhalt) : m_rest(inhalt) {}

    // The next line as fgets gives it: at most `puffer` - 1 bytes, through the line end,
    // and read as a C string up to a zero byte.
    std::optional<QByteArrayView> naechste(qsizetype puffer)
    {
        if (m_rest.isEmpty())
            return std::nullopt;
        qsizetype n = std::min(m_rest.size(), puffer - 1);
        const qsizetype ende = m_rest.first(n).indexOf('\n');
        if (ende >= 0)
            n = ende + 1;
        QByteArrayView zeile = m_rest.first(n);
        m_rest = m_rest.sliced(n);
        const qsizetype null = zeile.indexOf('\0');
        return null < 0 ? zeile : zeile.first(null);
    }

private:
    QByteArrayView m_rest;
};

// atoi without its undefined overflow.
int zahl(QByteArrayView text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool minus = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        minus = text[i++] == '-';
    long long wert = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9' && wert < 1'000'000'000)
        wert = wert * 10 + (text[i++] - '0');
    return int(minus ? -wert : wert);
}

bool ziffer(char c)
{
    return c >= '0' && c <= '9';
}

// What libhyphen counts as one more letter for a ligature of UTF-8 (U+FB03, U+FB04).
int ligatur(const char *wort, int laenge, int j)
{
    if (j + 2 >= laenge || static_cast<unsigned char>(wort[j]) != 0xEF ||
        static_cast<unsigned char>(wort[j + 1]) != 0xAC)
        return 0;
    const auto c = static_cast<unsigned char>(wort[j + 2]);
    return c == 0x83 || c == 0x84 ? 1 : 0;
}

} // namespace

// The patterns and settings of one level while the file is read.
struct Trennmuster::Rohebene {
    std::vector<Zeile> *zeilen = nullptr;
    int lhmin = 0, rhmin = 0, clhmin = 0, crhmin = 0;
    QList<QByteArray> ohneTrennung;
};

std::int32_t Trennmuster::Ebene::kind(std::int32_t k, std::uint8_t c) const
{
    if (k == 0)
        return wurzel[c];
    const Knoten &vater = knoten[std::size_t(k)];
    const std::int32_t ende = vater.erstesKind + vater.kinder;
    for (std::int32_t kind = vater.erstesKind; kind < ende; ++kind) {
        if (knoten[std::size_t(kind)].zeichen == c)
            return kind;
    }
    return -1;
}

// The automaton over `wort` (with its dots): each pattern's digits where it ends, the
// greater digit kept. As libhyphen, only the pattern of the node reached counts, not the
// shorter ones that end there too.
void Trennmuster::Ebene::ablaufen(const char *wort, int laenge, char *stellen) const
{
    std::int32_t zustand = 0;
    for (int i = 0; i < laenge; ++i) {
        const auto c = static_cast<std::uint8_t>(wort[i]);
        std::int32_t weiter = -1;
        while (zustand >= 0) {
            weiter = kind(zustand, c);
            if (weiter >= 0)
                break;
            zustand = knoten[std::size_t(zustand)].rueckfall;
        }
        // A letter no pattern begins with: on from the root.
        zustand = std::max(weiter, 0);
        if (weiter < 0)
            continue;
        const Knoten &erreicht = knoten[std::size_t(zustand)];
        if (erreicht.treffer < 0)
            continue;
        const char *treffer = ziffern.constData() + erreicht.treffer;
        const int versatz = i + 1 - erreicht.trefferLaenge;
        for (int k = std::max(0, -versatz); k < erreicht.trefferLaenge; ++k)
            stellen[versatz + k] = std::max(stellen[versatz + k], treffer[k]);
    }
}

Trennmuster::Ebene Trennmuster::bauen(std::vector<Zeile> &zeilen)
{
    Ebene ebene;
    ebene.wurzel.fill(-1);
    // Sorted by letters, a pattern given twice counts with its last line.
    std::vector<std::uint32_t> folge(zeilen.size());
    std::iota(folge.begin(), folge.end(), 0U);
    std::stable_sort(folge.begin(), folge.end(), [&zeilen](std::uint32_t a, std::uint32_t b) {
        return zeilen[a].wort < zeilen[b].wort;
    });
    std::vector<std::uint32_t> muster;
    muster.reserve(folge.size());
    for (std::size_t i = 0; i < folge.size(); ++i) {
        if (i + 1 < folge.size() && zeilen[folge[i]].wort == zeilen[folge[i + 1]].wort)
            continue;
        if (!zeilen[folge[i]].wort.isEmpty())
            muster.push_back(folge[i]);
    }

    // Level by level: the nodes of one depth are the different beginnings of that length,
    // met in sorted order, so the children of a node come side by side.
    ebene.knoten.emplace_back();
    std::vector<std::int32_t> knotenVon(muster.size(), 0);
    for (int tiefe = 1;; ++tiefe) {
        bool weiter = false;
        std::int32_t letzterVater = -1;
        std::uint8_t letztesZeichen = 0;
        for (std::size_t m = 0; m < muster.size(); ++m) {
            const Zeile &zeile = zeilen[muster[m]];
            if (zeile.wort.size() < tiefe)
                continue;
            weiter = true;
            const std::int32_t vater = knotenVon[m];
            const auto zeichen = static_cast<std::uint8_t>(zeile.wort[tiefe - 1]);
            if (vater != letzterVater || zeichen != letztesZeichen) {
                const auto neu = std::int32_t(ebene.knoten.size());
                Knoten knoten;
                knoten.zeichen = zeichen;
                ebene.knoten.push_back(knoten);
                Knoten &v = ebene.knoten[std::size_t(vater)];
                if (v.kinder == 0)
                    v.erstesKind = neu;
                ++v.kinder;
                if (vater == 0)
                    ebene.wurzel[zeichen] = neu;
                letzterVater = vater;
                letztesZeichen = zeichen;
            }
            knotenVon[m] = std::int32_t(ebene.knoten.size()) - 1;
            if (zeile.wort.size() == tiefe && !zeile.ziffern.isEmpty()) {
                Knoten &ende = ebene.knoten.back();
                ende.treffer = std::int32_t(ebene.ziffern.size());
                ende.trefferLaenge = std::uint8_t(zeile.ziffern.size());
                ebene.ziffern += zeile.ziffern;
            }
        }
        if (!weiter)
            break;
    }

    // The fallback of a node is the longest end of its letters that is a node: found from
    // its parent's, in breadth-first order.
    for (const std::int32_t kind : ebene.wurzel) {
        if (kind >= 0)
            ebene.knoten[std::size_t(kind)].rueckfall = 0;
    }
    for (std::size_t k = 1; k < ebene.knoten.size(); ++k) {
        const Knoten &vater = ebene.knoten[k];
        for (std::int32_t kind = vater.erstesKind; kind < vater.erstesKind + vater.kinder;
             ++kind) {
            const std::uint8_t zeichen = ebene.knoten[std::size_t(kind)].zeichen;
            std::int32_t rueckfall = vater.rueckfall;
            std::int32_t ziel = -1;
            while (rueckfall >= 0 && (ziel = ebene.kind(rueckfall, zeichen)) < 0)
                rueckfall = ebene.knoten[std::size_t(rueckfall)].rueckfall;
            ebene.knoten[std::size_t(kind)].rueckfall = std::max(ziel, 0);
        }
    }
    return ebene;
}

Trennmuster Trennmuster::lesen(QByteArrayView inhalt)
{
    Trennmuster result;
    Zeilenleser leser(inhalt);
    QByteArrayView zeichensatz = leser.naechste(kZeichensatzPuffer).value_or(QByteArrayView());
    for (qsizetype i = 0; i < zeichensatz.size(); ++i) {
        if (zeichensatz[i] == '\r' || zeichensatz[i] == '\n') {
            zeichensatz.truncate(i);
            break;
        }
    }
    result.m_zeichensatz = ansi::charsetNamed(zeichensatz);
    result.m_utf8 = zeichensatz == "UTF-8";
    if (result.m_zeichensatz == ansi::Charset::Unsupported)
        return result;

    std::vector<Zeile> zeilen[2];
    Rohebene roh[2];
    roh[0].zeilen = &zeilen[0];
    roh[1].zeilen = &zeilen[1];
    bool ersatz = false;
    const auto zeileLesen = [&result, &ersatz](QByteArrayView zeile, Rohebene &ebene) {
        const auto wert = [zeile](qsizetype von) { return zahl(zeile.sliced(von)); };
        if (zeile.startsWith("LEFTHYPHENMIN")) {
            ebene.lhmin = wert(13);
        } else if (zeile.startsWith("RIGHTHYPHENMIN")) {
            ebene.rhmin = wert(14);
        } else if (zeile.startsWith("COMPOUNDLEFTHYPHENMIN")) {
            ebene.clhmin = wert(21);
        } else if (zeile.startsWith("COMPOUNDRIGHTHYPHENMIN")) {
            ebene.crhmin = wert(22);
        } else if (zeile.startsWith("NOHYPHEN")) {
            // Strings parted by commas; the line's last byte (its line end) is no part.
            QByteArrayView liste = zeile.sliced(8);
            while (!liste.isEmpty() && (liste.front() == ' ' || liste.front() == '\t'))
                liste = liste.sliced(1);
            ebene.ohneTrennung.clear();
            if (liste.size() > 1) {
                liste.chop(1);
                qsizetype anfang = 0;
                for (qsizetype i = 1; i <= liste.size(); ++i) {
                    if (i == liste.size() || liste[i] == ',') {
                        if (i > anfang)
                            ebene.ohneTrennung.append(liste.sliced(anfang, i - anfang).toByteArray());
                        anfang = i + 1;
                    }
                }
            }
        } else {
            const qsizetype schraeg = zeile.indexOf('/');
            if (schraeg >= 0)
                zeile.truncate(schraeg);
            Zeile muster;
            QByteArray ziffern(1, '0');
            for (const char c : zeile) {
                if (static_cast<unsigned char>(c) <= ' ')
                    break;
                if (ziffer(c)) {
                    ziffern.back() = c;
                } else {
                    muster.wort += c;
                    ziffern += '0';
                }
            }
            qsizetype erste = 0;
            if (schraeg < 0) {
                while (erste < ziffern.size() && ziffern[erste] == '0')
                    ++erste;
            } else {
                erste = muster.wort.startsWith('.') ? 1 : 0;
                // Only a pattern a word's letters can reach is a break of a word.
                const QString buchstaben =
                    result.m_zeichensatz == ansi::Charset::Utf8
                        ? QString::fromUtf8(muster.wort)
                        : QString::fromLatin1(muster.wort);
                ersatz = ersatz || (!buchstaben.isEmpty() &&
                                    std::all_of(buchstaben.cbegin(), buchstaben.cend(),
                                                [](QChar ch) { return ch.isLetter() || ch == u'.'; }));
            }
            muster.ziffern = ziffern.sliced(erste);
            ebene.zeilen->push_back(std::move(muster));
        }
    };

    bool zweiteEbene = false;
    while (const std::optional<QByteArrayView> zeile = leser.naechste(kZeilenPuffer)) {
        if (zeile->startsWith("NEXTLEVEL")) {
            zweiteEbene = true;
            break;
        }
        if (!zeile->startsWith('%'))
            zeileLesen(*zeile, roh[0]);
    }
    if (zweiteEbene) {
        while (const std::optional<QByteArrayView> zeile = leser.naechste(kZeilenPuffer)) {
            if (zeile->startsWith("NEXTLEVEL"))
                break;
            if (!zeile->startsWith('%'))
                zeileLesen(*zeile, roh[1]);
        }
    } else {
        // A file of one level gets libhyphen's own first level: hyphens and apostrophes.
        zeileLesen(result.m_utf8 ? "NOHYPHEN ',\xe2\x80\x93,\xe2\x80\x99,-\n" : "NOHYPHEN ',-\n",
                   roh[1]);
        zeileLesen("1-1\n", roh[1]);
        zeileLesen("1'1\n", roh[1]);
        if (result.m_utf8) {
            zeileLesen("1\xe2\x80\x93"
                       "1\n",
                       roh[1]);
            zeileLesen("1\xe2\x80\x99"
                       "1\n",
                       roh[1]);
        }
    }
    const auto keinMuster = [](const std::vector<Zeile> &z) {
        return std::none_of(z.cbegin(), z.cend(), [](const Zeile &m) { return !m.wort.isEmpty(); });
    };
    if (keinMuster(zeilen[0]) && (!zweiteEbene || keinMuster(zeilen[1])))
        return result;
    if (ersatz) {
        result.m_zustand = Zustand::MitErsatz;
        return result;
    }

    // With one level in the file, the file's is the second, and the first takes its
    // minimum lengths.
    const int erste = zweiteEbene ? 0 : 1;
    if (!zweiteEbene) {
        roh[1].lhmin = roh[0].lhmin;
        roh[1].rhmin = roh[0].rhmin;
        roh[1].clhmin = roh[0].clhmin ? roh[0].clhmin : roh[0].lhmin ? roh[0].lhmin : 3;
        roh[1].crhmin = roh[0].crhmin ? roh[0].crhmin : roh[0].rhmin ? roh[0].rhmin : 3;
    }
    for (const int e : {erste, 1 - erste}) {
        Ebene ebene = bauen(zeilen[e]);
        ebene.lhmin = roh[e].lhmin;
        ebene.rhmin = roh[e].rhmin;
        ebene.clhmin = roh[e].clhmin;
        ebene.crhmin = roh[e].crhmin;
        ebene.ohneTrennung = roh[e].ohneTrennung;
        result.m_ebenen.push_back(std::move(ebene));
    }
    result.m_zustand = Zustand::Bereit;
    return result;
}

// libhyphen's hnj_hyphen_hyph_: the word through one level; where the first level breaks
// it (compounds), each part again on its own, else the whole through the next level.
void Trennmuster::trennenAuf(int ebene, const char *wort, int laenge, char *stellen, int clhmin,
                             int crhmin, bool amAnfang, bool amEnde) const
{
    QVarLengthArray<char, 256> vorbereitet(laenge + 3);
    char *v = vorbereitet.data();
    int j = 0;
    v[j++] = '.';
    for (int i = 0; i < laenge; ++i)
        v[j++] = ziffer(wort[i]) ? '.' : wort[i];
    v[j++] = '.';
    v[j] = '\0';
    std::fill(stellen, stellen + j, '0');
    m_ebenen[std::size_t(ebene)].ablaufen(v, j, stellen);
    int i = 0;
    for (; i < j - 3; ++i)
        stellen[i] = stellen[i + 1];
    for (; i < laenge; ++i)
        stellen[i] = '0';
    stellen[laenge] = '\0';

    if (std::size_t(ebene) + 1 >= m_ebenen.size())
        return;
    QVarLengthArray<char, 256> teilStellen(laenge + 3);
    int anfang = 0;
    for (i = 0; i < laenge; ++i) {
        if (!((stellen[i] & 1) || (anfang > 0 && i + 1 == laenge)))
            continue;
        // libhyphen 2.8.8 leaves a part of two letters as it is, and takes no break from a
        // part before its last letter but one.
        if (i - anfang > 1) {
            trennenAuf(ebene, v + anfang + 1, i - anfang + 1, teilStellen.data(), clhmin, crhmin,
                       anfang > 0 ? false : amAnfang, (stellen[i] & 1) ? false : amEnde);
            std::copy_n(teilStellen.data(), i - anfang - 1, stellen + anfang);
            if (i + 1 < laenge)
                v[i + 2] = wort[i + 1];
        }
        anfang = i + 1;
    }
    if (anfang == 0) {
        trennenAuf(ebene + 1, wort, laenge, stellen, clhmin, crhmin, amAnfang, amEnde);
        if (!amAnfang)
            linksFrei(wort, laenge, stellen, clhmin);
        if (!amEnde)
            rechtsFrei(wort, laenge, stellen, crhmin);
    }
}

// hnj_hyphen_lhmin: no break among the first `mindestens` letters.
void Trennmuster::linksFrei(const char *wort, int laenge, char *stellen, int mindestens) const
{
    int i = 1 + (m_utf8 ? ligatur(wort, laenge, 0) : 0);
    for (int j = 0; j < laenge && ziffer(wort[j]); ++j)
        --i;
    for (int j = 0; i < mindestens && j < laenge; ++i) {
        do {
            stellen[j++] = '0';
            if (m_utf8)
                i += ligatur(wort, laenge, j);
        } while (j < laenge && m_utf8 && (wort[j] & 0xC0) == 0x80);
    }
}

// hnj_hyphen_rhmin: no break among the last `mindestens` letters.
void Trennmuster::rechtsFrei(const char *wort, int laenge, char *stellen, int mindestens) const
{
    int i = 0;
    for (int j = laenge - 1; j > 0 && ziffer(wort[j]); --j)
        --i;
    for (int j = laenge - 1; i < mindestens && j > 0; --j) {
        stellen[j] = '0';
        if (!m_utf8 || (wort[j] & 0xC0) == 0xC0 || (wort[j] & 0x80) != 0x80)
            ++i;
    }
}

void Trennmuster::trennen(const char *wort, int laenge, char *stellen) const
{
    if (m_zustand != Zustand::Bereit || laenge <= 0) {
        std::fill(stellen, stellen + std::max(laenge, 0) + 1, '0');
        return;
    }
    const Ebene &oben = m_ebenen.front();
    const int lhmin = std::max(1, oben.lhmin);
    const int rhmin = std::max(1, oben.rhmin);
    trennenAuf(0, wort, laenge, stellen, oben.clhmin, oben.crhmin, true, true);
    linksFrei(wort, laenge, stellen, lhmin);
    rechtsFrei(wort, laenge, stellen, rhmin);
    const QByteArrayView ganz(wort, laenge);
    for (const QByteArray &ohne : oben.ohneTrennung) {
        for (qsizetype da = ganz.indexOf(ohne); da >= 0; da = ganz.indexOf(ohne, da + 1)) {
            stellen[da + ohne.size() - 1] = '0';
            if (da > 0)
                stellen[da - 1] = '0';
        }
    }
}

} // namespace silben
