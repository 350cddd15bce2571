#include "settings/core/auswertung.h"

#include "exercise/core/ansi.h"

#include <QCollatorSortKey>
#include <QHash>
#include <QLocale>
#include <algorithm>
#include <numeric>
#include <vector>

using namespace Qt::StringLiterals;

namespace auswertung {
namespace {

enum class Test { Enthaelt, Anfang, Ende, Keiner };

struct Phaenomen {
    QStringView beschriftung;
    Test test;
    // The patterns, separated by blanks; the test holds when one of them matches.
    QStringView muster;
};

// The captions stand exactly as the prints head their blocks; the quotation marks
// belong to them.
constexpr Phaenomen tabelle[phaenomenAnzahl] = {
    {u"Doppellaute", Test::Enthaelt, u"bb cc dd ff gg kk ll mm nn pp rr ss tt zz"},
    {u"Wörter mit doppeltem Vokal", Test::Enthaelt, u"aa ii ee oo uu"},
    {u"Wörter mit Vokal und \"h\"", Test::Enthaelt, u"ah ih eh oh uh"},
    {u"Wörter mit \"ß\"", Test::Enthaelt, u"ß"},
    {u"Wörter mit \"ng\"", Test::Enthaelt, u"ng"},
    {u"Wörter mit \"tz\"", Test::Enthaelt, u"tz"},
    {u"Wörter mit \"ie\"", Test::Enthaelt, u"ie"},
    {u"Wörter mit \"nk\"", Test::Enthaelt, u"nk"},
    {u"Wörter mit \"chs\"", Test::Enthaelt, u"chs"},
    {u"Wörter mit \"ks\"", Test::Enthaelt, u"ks"},
    {u"Wörter mit \"x\"", Test::Enthaelt, u"x"},
    {u"Wörter mit \"ieh\"", Test::Enthaelt, u"ieh"},
    {u"Wörter mit \"pf\"", Test::Enthaelt, u"pf"},
    {u"Wörter mit \"th\"", Test::Enthaelt, u"th"},
    {u"Wörter mit \"ph\"", Test::Enthaelt, u"ph"},
    {u"Wörter mit \"s\" am Ende", Test::Ende, u"s"},
    {u"Wörter mit \"ß\" am Ende", Test::Ende, u"ß"},
    {u"Wörter mit \"d\" am Ende", Test::Ende, u"d"},
    {u"Wörter mit \"b\" am Ende", Test::Ende, u"b"},
    {u"Wörter mit \"g\" am Ende", Test::Ende, u"g"},
    {u"Wörter mit \"ig\" am Ende", Test::Ende, u"ig"},
    {u"Wörter mit \"lich\" am Ende", Test::Ende, u"lich"},
    {u"Wörter mit \"isch\" am Ende", Test::Ende, u"isch"},
    {u"Wörter mit \"st\" am Anfang", Test::Anfang, u"st"},
    {u"Wörter mit \"sp\" am Anfang", Test::Anfang, u"sp"},
    {u"Wörter mit \"v\" am Anfang", Test::Anfang, u"v"},
    {u"sonstige Wörter", Test::Keiner, u""},
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

bool trifftZu(const Phaenomen &phaenomen, QStringView entry, QStringView ohneAnzahl)
{
    for (const QStringView muster : phaenomen.muster.tokenize(u' ', Qt::SkipEmptyParts)) {
        switch (phaenomen.test) {
        case Test::Enthaelt:
            if (entry.contains(muster))
                return true;
            break;
        case Test::Anfang:
            if (entry.startsWith(muster))
                return true;
            break;
        case Test::Ende:
            if (ohneAnzahl.endsWith(muster))
                return true;
            break;
        case Test::Keiner:
            break;
        }
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

quint32 phaenomene(QStringView entry)
{
    // The end is tested without a count: "Haus(2)" ends with "s". A "(" that is the last
    // character cannot open a count.
    QStringView ohneAnzahl = entry;
    const qsizetype klammer = entry.indexOf(u'(');
    if (klammer >= 0 && klammer < entry.size() - 1)
        ohneAnzahl = entry.first(klammer);

    quint32 bits = 0;
    for (int row = 0; row < sonstigeWoerter; ++row) {
        if (trifftZu(tabelle[row], entry, ohneAnzahl))
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
        const QString &line = recordLines[i];
        if (line.isEmpty() || line.startsWith(u'~') || line.contains(u'_'))
            continue;
        QString word = ohneMarkierung(line);
        if (!word.isEmpty())
            words.append(std::move(word));
    }
    return words;
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
    std::stable_sort(order.begin(), order.end(), [&keys](qsizetype a, qsizetype b) {
        return keys[size_t(a)].compare(keys[size_t(b)]) < 0;
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
    // Keyed by upper-case form rather than compared with the neighbour: the language's
    // order may put "Straße" between "Strasse" and "strasse", which are still one word.
    QHash<QString, qsizetype> first;
    first.reserve(sorted.size());
    QList<Eintrag> merged;
    for (const Eintrag &entry : sorted) {
        QString key = grossform(entry.wort);
        const auto it = first.constFind(key);
        if (it == first.cend()) {
            first.insert(std::move(key), merged.size());
            merged.append(entry);
        } else {
            merged[*it].anzahl += entry.anzahl;
        }
    }
    return merged;
}

QList<Eintrag> wortliste(QStringList words, const QCollator &collator)
{
    sortieren(words, collator);
    QList<Eintrag> entries;
    entries.reserve(words.size());
    for (QString &word : words)
        entries.append({std::move(word), 1});
    return doppelte(entries);
}

bool speichern(const QString &path, const QStringList &words, IoError *error, QString *unencodable)
{
    if (error)
        *error = {};
    if (unencodable)
        unencodable->clear();
    QString text;
    for (const QString &word : words)
        text += word + u' ';
    const ansi::Encoded encoded = ansi::encode(text);
    if (!encoded.ok()) {
        if (unencodable)
            *unencodable = encoded.unencodable;
        return false;
    }
    return writeFileAtomically(path, encoded.bytes, error);
}

} // namespace auswertung
