#include "settings/core/auswertung.h"

#include "exercise/core/ansi.h"

#include <QCollatorSortKey>
#include <QLocale>
#include <algorithm>
#include <array>
#include <numeric>
#include <vector>

using namespace Qt::StringLiterals;

namespace auswertung {
namespace {

struct Phaenomen {
    QStringView beschriftung;
    Test test;
    // The test holds when one of these matches.
    std::array<QStringView, 14> muster;
};

// The captions stand exactly as the prints head their blocks; the quotation marks
// belong to them.
constexpr Phaenomen tabelle[phaenomenAnzahl] = {
    {u"Doppellaute",
     Test::Enthaelt,
     {u"bb", u"cc", u"dd", u"ff", u"gg", u"kk", u"ll", u"mm", u"nn", u"pp", u"rr", u"ss", u"tt",
      u"zz"}},
    {u"Wörter mit doppeltem Vokal", Test::Enthaelt, {u"aa", u"ii", u"ee", u"oo", u"uu"}},
    {u"Wörter mit Vokal und \"h\"", Test::Enthaelt, {u"ah", u"ih", u"eh", u"oh", u"uh"}},
    {u"Wörter mit \"ß\"", Test::Enthaelt, {u"ß"}},
    {u"Wörter mit \"ng\"", Test::Enthaelt, {u"ng"}},
    {u"Wörter mit \"tz\"", Test::Enthaelt, {u"tz"}},
    {u"Wörter mit \"ie\"", Test::Enthaelt, {u"ie"}},
    {u"Wörter mit \"nk\"", Test::Enthaelt, {u"nk"}},
    {u"Wörter mit \"chs\"", Test::Enthaelt, {u"chs"}},
    {u"Wörter mit \"ks\"", Test::Enthaelt, {u"ks"}},
    {u"Wörter mit \"x\"", Test::Enthaelt, {u"x"}},
    {u"Wörter mit \"ieh\"", Test::Enthaelt, {u"ieh"}},
    {u"Wörter mit \"pf\"", Test::Enthaelt, {u"pf"}},
    {u"Wörter mit \"th\"", Test::Enthaelt, {u"th"}},
    {u"Wörter mit \"ph\"", Test::Enthaelt, {u"ph"}},
    {u"Wörter mit \"s\" am Ende", Test::Ende, {u"s"}},
    {u"Wörter mit \"ß\" am Ende", Test::Ende, {u"ß"}},
    {u"Wörter mit \"d\" am Ende", Test::Ende, {u"d"}},
    {u"Wörter mit \"b\" am Ende", Test::Ende, {u"b"}},
    {u"Wörter mit \"g\" am Ende", Test::Ende, {u"g"}},
    {u"Wörter mit \"ig\" am Ende", Test::Ende, {u"ig"}},
    {u"Wörter mit \"lich\" am Ende", Test::Ende, {u"lich"}},
    {u"Wörter mit \"isch\" am Ende", Test::Ende, {u"isch"}},
    {u"Wörter mit \"st\" am Anfang", Test::Anfang, {u"st"}},
    {u"Wörter mit \"sp\" am Anfang", Test::Anfang, {u"sp"}},
    {u"Wörter mit \"v\" am Anfang", Test::Anfang, {u"v"}},
    {u"sonstige Wörter", Test::Keiner, {}},
};

bool istMarkierung(QChar ch)
{
    return ch == u'$' || ch == u'&' || ch == u'§';
}

QString ohneMarkierung(QStringView word)
{
    QString result;
    result.reserve(word.size());
    for (const QChar ch : word) {
        if (!istMarkierung(ch))
            result.append(ch);
    }
    return result;
}

bool istTrenner(QChar ch)
{
    // Tabs and other control characters part words as a blank does.
    return ch <= u' ' || ch == u'.' || ch == u'?' || ch == u'!' || ch == u',' || ch == u';' ||
           ch == u':' || ch == u'"';
}

bool beginntMit(QStringView word, qsizetype at, QStringView muster)
{
    if (word.size() - at < muster.size())
        return false;
    for (qsizetype k = 0; k < muster.size(); ++k) {
        if (word[at + k] != muster[k])
            return false;
    }
    return true;
}

// The "contains" patterns by their first character, so that a word is scanned once and
// not once per pattern: a dictionary has hundreds of thousands of words. Every pattern
// begins with a Latin-1 character.
class Enthaltensuche {
public:
    Enthaltensuche()
    {
        for (int row = 0; row < phaenomenAnzahl; ++row) {
            if (tabelle[row].test != Test::Enthaelt)
                continue;
            for (const QStringView muster : tabelle[row].muster) {
                if (!muster.isEmpty())
                    m_nachErstem[muster[0].unicode() & 0xFF].push_back({muster, 1u << row});
            }
        }
    }

    quint32 bits(QStringView word) const
    {
        quint32 bits = 0;
        for (qsizetype i = 0; i < word.size(); ++i) {
            const char16_t ch = word[i].unicode();
            if (ch > 0xFF)
                continue;
            for (const Muster &muster : m_nachErstem[ch]) {
                if (beginntMit(word, i, muster.text))
                    bits |= muster.bit;
            }
        }
        return bits;
    }

private:
    struct Muster {
        QStringView text;
        quint32 bit;
    };
    std::array<std::vector<Muster>, 256> m_nachErstem;
};

bool endetOderBeginnt(const Phaenomen &phaenomen, QStringView entry, QStringView ohneAnzahl)
{
    for (const QStringView muster : phaenomen.muster) {
        if (muster.isEmpty())
            break;
        if (phaenomen.test == Test::Anfang ? entry.startsWith(muster) : ohneAnzahl.endsWith(muster))
            return true;
    }
    return false;
}

} // namespace

QString beschriftung(int row)
{
    if (row < 0 || row >= phaenomenAnzahl)
        return {};
    return tabelle[row].beschriftung.toString();
}

Test test(int row)
{
    if (row < 0 || row >= phaenomenAnzahl)
        return Test::Keiner;
    return tabelle[row].test;
}

std::span<const QStringView> muster(int row)
{
    if (row < 0 || row >= phaenomenAnzahl)
        return {};
    const auto &alle = tabelle[row].muster;
    const auto ende =
        std::find_if(alle.begin(), alle.end(), [](QStringView m) { return m.isEmpty(); });
    return {alle.begin(), ende};
}

quint32 phaenomene(QStringView entry)
{
    // The end is tested without a count: "Haus(2)" ends with "s". A "(" that is the last
    // character cannot open a count.
    QStringView ohneAnzahl = entry;
    const qsizetype klammer = entry.indexOf(u'(');
    if (klammer >= 0 && klammer < entry.size() - 1)
        ohneAnzahl = entry.first(klammer);

    static const Enthaltensuche enthalten;
    quint32 bits = enthalten.bits(entry);
    for (int row = 0; row < sonstigeWoerter; ++row) {
        const Test stelle = tabelle[row].test;
        if ((stelle == Test::Anfang || stelle == Test::Ende) &&
            endetOderBeginnt(tabelle[row], entry, ohneAnzahl))
            bits |= 1u << row;
    }
    if (bits == 0)
        bits = 1u << sonstigeWoerter;
    return bits;
}

QStringList fehlerWoerter(const QStringList &recordLines)
{
    QStringList words;
    for (qsizetype i = 1; i < recordLines.size(); ++i) {
        QString word = fehlerWort(recordLines[i]);
        if (!word.isEmpty())
            words.append(std::move(word));
    }
    return words;
}

QString fehlerWort(QStringView line)
{
    if (line.isEmpty() || line.startsWith(u'~') || line.contains(u'_'))
        return {};
    return ohneMarkierung(line);
}

QStringList textWoerter(const QStringList &textLines)
{
    QStringList words;
    for (const QString &line : textLines) {
        qsizetype start = 0;
        for (qsizetype i = 0; i <= line.size(); ++i) {
            if (i < line.size() && !istTrenner(line[i]))
                continue;
            if (i > start) {
                QString word = ohneMarkierung(QStringView(line).sliced(start, i - start));
                if (!word.isEmpty())
                    words.append(std::move(word));
            }
            start = i + 1;
        }
    }
    return words;
}

QString grossform(QStringView word)
{
    QString result = word.toString();
    for (QChar &ch : result) {
        const char16_t c = ch.unicode();
        if (c >= u'a' && c <= u'z')
            ch = QChar(c - u'a' + u'A');
        else if (c == u'ä')
            ch = u'Ä';
        else if (c == u'ö')
            ch = u'Ö';
        else if (c == u'ü')
            ch = u'Ü';
    }
    return result;
}

QCollator sortierung()
{
    QLocale locale;
    if (locale.language() == QLocale::C)
        locale = QLocale(QLocale::German, QLocale::Germany);
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

void sortieren(QStringList &words, const QCollator &collator)
{
    // Sort keys are made once per word; comparing them is much cheaper than comparing
    // the words, which matters for a dictionary-sized text.
    std::vector<QCollatorSortKey> keys;
    keys.reserve(size_t(words.size()));
    for (const QString &word : std::as_const(words))
        keys.push_back(collator.sortKey(word));
    std::vector<qsizetype> order(size_t(words.size()));
    std::iota(order.begin(), order.end(), 0);
    // Words the language's order takes for equal ("Strasse", "Straße", "strasse") are
    // put in order of their upper-case form, so that the ones that differ only in case
    // stand side by side for merging.
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
        const int byKey = keys[size_t(a)].compare(keys[size_t(b)]);
        return byKey != 0 ? byKey < 0 : grossform(words[a]) < grossform(words[b]);
    });
    QStringList sorted;
    sorted.reserve(words.size());
    for (const qsizetype i : order)
        sorted.append(std::move(words[i]));
    words = std::move(sorted);
}

QString Eintrag::text(bool mitHaeufigkeit) const
{
    if (!mitHaeufigkeit || anzahl <= 1)
        return wort;
    return wort + u'(' + QString::number(anzahl) + u')';
}

QList<Eintrag> doppelte(const QList<Eintrag> &sorted)
{
    QList<Eintrag> merged;
    QString letzteGrossform;
    for (const Eintrag &entry : sorted) {
        QString gross = grossform(entry.wort);
        if (!merged.isEmpty() && gross == letzteGrossform) {
            merged.last().anzahl += entry.anzahl;
        } else {
            merged.append(entry);
            letzteGrossform = std::move(gross);
        }
    }
    return merged;
}

QList<Eintrag> sortiert(QStringList words, const QCollator &collator)
{
    sortieren(words, collator);
    QList<Eintrag> entries;
    entries.reserve(words.size());
    for (QString &word : words)
        entries.append({std::move(word), 1});
    return entries;
}

QList<Eintrag> wortliste(QStringList words, const QCollator &collator)
{
    return doppelte(sortiert(std::move(words), collator));
}

WriteResult speichern(const QString &path, const QStringList &words)
{
    WriteResult result;
    QString text;
    for (const QString &word : words)
        text += word + u' ';
    const ansi::Encoded encoded = ansi::encode(text);
    if (!encoded.ok())
        result.unencodable = encoded.unencodable;
    else
        result = writeFileAtomically(path, encoded.bytes);
    return result;
}

} // namespace auswertung
