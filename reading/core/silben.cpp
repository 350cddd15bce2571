#include "reading/core/silben.h"

#include "exercise/core/ansi.h"
#include "exercise/core/fileio.h"
#include "exercise/core/markup.h"
#include "reading/core/trennmuster.h"

#include <QFileInfo>

#include <hyphen.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <utility>

using namespace Qt::StringLiterals;

namespace silben {
namespace {

// No German word is longer; a longer run of letters is no word to be read in syllables.
constexpr qsizetype kLaengstesWort = 80;
// The German patterns take a megabyte; a file many times larger is none.
constexpr qint64 kGroessteMusterdatei = 64 * 1024 * 1024;

// The vowels of Windows-1252 in small letters, looked up for every letter of a text.
constexpr std::array<bool, 256> kVokale = [] {
    std::array<bool, 256> vokale{};
    for (char16_t c : u"aeiouyäöüàáâãåæèéêëìíîïòóôõøùúûÿ")
        vokale[c & 0xFF] = c != 0;
    return vokale;
}();

bool istVokal(QChar klein)
{
    const char16_t c = klein.unicode();
    return c < 256 ? kVokale[c] : c == u'œ';
}

bool istDoppellaut(QChar a, QChar b)
{
    return (a == u'e' && (b == u'i' || b == u'u' || b == u'y')) ||
           (a == u'a' && (b == u'i' || b == u'u' || b == u'y')) || (a == u'ä' && b == u'u');
}

bool trenntWoerter(QChar ch)
{
    return ch <= u' ' || ch == markup::groupJoin;
}

// The rules of a reading book on top of the patterns, on the word in small letters;
// `grenze[k]` is set when a syllable begins at letter k.
void leseSilben(QStringView klein, bool *grenze)
{
    const qsizetype n = klein.size();
    // Hyphenation keeps two letters at a word's (and a compound part's) edges, reading
    // does not: one consonant between two vowels begins the next syllable ("O-pa",
    // "Ba-na-ne"), and a vowel after a diphthong begins one ("Ei-er").
    for (qsizetype i = 0; i + 2 < n; ++i) {
        if (grenze[i + 1] || grenze[i + 2] || !istVokal(klein[i + 2]))
            continue;
        if (istVokal(klein[i]) && !istVokal(klein[i + 1]))
            grenze[i + 1] = true;
        else if (istDoppellaut(klein[i], klein[i + 1]))
            grenze[i + 2] = true;
    }
    // No syllable of one letter at the end ("A-bend", never "A-ben-d").
    grenze[n - 1] = false;
    // Every syllable holds a vowel ("Flüs-se", never "F-lüs-se"): one without joins the
    // syllable before it, or the one after it at the word's start.
    qsizetype anfang = 0; // the syllable being read
    bool vokal = false;
    for (qsizetype k = 1; k <= n; ++k) {
        vokal = vokal || istVokal(klein[k - 1]);
        if (k < n && !grenze[k])
            continue;
        if (!vokal && anfang > 0) {
            grenze[anfang] = false;
        } else if (!vokal && k < n) {
            grenze[k] = false;
            continue;
        }
        anfang = k;
        vokal = false;
    }
}

// The offsets of `stellen` inside the words the selection [von, bis) touches; all of
// them when the selection is empty.
QList<qsizetype> inWoertern(QStringView text, QList<qsizetype> stellen, qsizetype von,
                            qsizetype bis)
{
    if (von == bis)
        return stellen;
    if (von > bis)
        std::swap(von, bis);
    von = std::clamp<qsizetype>(von, 0, text.size());
    bis = std::clamp<qsizetype>(bis, 0, text.size());
    while (von > 0 && text[von - 1] > u' ')
        --von;
    while (bis < text.size() && text[bis] > u' ')
        ++bis;
    stellen.removeIf([von, bis](qsizetype stelle) { return stelle < von || stelle >= bis; });
    return stellen;
}

} // namespace

// The patterns as this program reads them; libhyphen's own reading only for a file with
// breaks that change letters, which only libhyphen applies.
struct Silbentrenner::Muster {
    Trennmuster eigene;
    HyphenDict *dict = nullptr;
    ansi::Charset zeichensatz = ansi::Charset::Unsupported;
    Muster() = default;
    Muster(const Muster &) = delete;
    Muster &operator=(const Muster &) = delete;
    ~Muster()
    {
        if (dict)
            hnj_hyphen_free(dict);
    }
};

QString standardMuster()
{
    return u"/usr/share/hyphen/hyph_de_DE.dic"_s;
}

Silbentrenner::Silbentrenner(QString musterDatei) : m_datei(std::move(musterDatei)) {}

Silbentrenner::~Silbentrenner()
{
    if (m_vorlader.joinable())
        m_vorlader.join();
}

void Silbentrenner::vorladen()
{
    std::call_once(m_vorladen, [this] { m_vorlader = std::thread([this] { bereit(); }); });
}

bool Silbentrenner::bereit()
{
    std::call_once(m_laden, [this] {
        const QFileInfo datei(m_datei);
        if (!datei.isFile() || !datei.isReadable())
            return;
        const std::optional<QByteArray> inhalt =
            readWholeFile(m_datei, nullptr, kGroessteMusterdatei);
        if (!inhalt)
            return;
        auto muster = std::make_unique<Muster>();
        muster->eigene = Trennmuster::lesen(*inhalt);
        muster->zeichensatz = muster->eigene.zeichensatz();
        if (muster->eigene.zustand() == Trennmuster::Zustand::MitErsatz)
            muster->dict = hnj_hyphen_load(QFile::encodeName(m_datei).constData());
        if (muster->eigene.zustand() == Trennmuster::Zustand::Bereit || muster->dict)
            m_muster = std::move(muster);
    });
    return m_muster != nullptr;
}

QString Silbentrenner::fehlermeldung() const
{
    return u"Die Silben können nicht gefunden werden: das Wörterbuch für die Silbentrennung "
           u"(%1) fehlt oder ist nicht lesbar. Bitte das deutsche Silbentrennungs-Wörterbuch "
           u"installieren (Debian: Paket \u201Ehyphen-de\u201C)."_s.arg(m_datei);
}

QList<qsizetype> Silbentrenner::grenzen(QStringView wort)
{
    QList<qsizetype> result;
    if (bereit())
        wortGrenzen(wort, 0, result);
    return result;
}

void Silbentrenner::wortGrenzen(QStringView wort, qsizetype versatz, QList<qsizetype> &result)
{
    const qsizetype n = wort.size();
    if (n < 2 || n > kLaengstesWort)
        return;
    std::array<char16_t, kLaengstesWort> klein;
    for (qsizetype k = 0; k < n; ++k)
        klein[k] = wort[k].toLower().unicode();
    const QStringView kleinesWort(klein.data(), n);

    std::array<char, 3 * kLaengstesWort + 5> bytes;
    std::array<qsizetype, kLaengstesWort> letztesByte;
    const qsizetype laenge =
        ansi::encodeIn(kleinesWort, m_muster->zeichensatz, bytes.data(), letztesByte.data());
    if (laenge < 0)
        return;
    // libhyphen looks for hyphens and apostrophes in the word as a C string.
    bytes[std::size_t(laenge)] = '\0';

    std::array<char, 3 * kLaengstesWort + 5> trennstellen;
    char **ersatz = nullptr;
    int *stelle = nullptr;
    int *schnitt = nullptr;
    HyphenDict *dict = m_muster->dict;
    if (dict) {
        hnj_hyphen_hyphenate3(dict, bytes.data(), int(laenge), trennstellen.data(), nullptr,
                              &ersatz, &stelle, &schnitt, 1, 1, dict->clhmin, dict->crhmin);
    } else {
        m_muster->eigene.trennen(bytes.data(), int(laenge), trennstellen.data());
    }

    std::array<bool, kLaengstesWort + 1> grenze{};
    for (qsizetype k = 1; k < n; ++k) {
        // libhyphen counts UTF-8 in characters at the end, this program's reading in bytes.
        const qsizetype b = dict && dict->utf8 ? k - 1 : letztesByte[k - 1];
        // A break that changes letters ("Schiff-fahrt" from old spelling) is no syllable
        // boundary of the word as written.
        grenze[k] = (trennstellen[b] & 1) && !(ersatz && ersatz[b]);
    }
    if (ersatz) {
        for (qsizetype b = 0; b < laenge; ++b)
            std::free(ersatz[b]);
        std::free(ersatz);
        std::free(stelle);
        std::free(schnitt);
    }

    leseSilben(kleinesWort, grenze.data());
    for (qsizetype k = 1; k < n; ++k) {
        if (grenze[k])
            result.append(versatz + k);
    }
}

std::optional<QList<qsizetype>> Silbentrenner::textGrenzen(QStringView text)
{
    if (!bereit())
        return std::nullopt;
    QList<qsizetype> result;
    QChar offen; // the mark of the gap pair open here
    qsizetype i = 0;
    while (i < text.size()) {
        if (trenntWoerter(text[i])) {
            if (text[i] <= u' ')
                offen = QChar();
            ++i;
            continue;
        }
        const qsizetype anfang = i;
        bool luecke = !offen.isNull();
        while (i < text.size() && !trenntWoerter(text[i])) {
            const QChar ch = text[i];
            if (markup::isPairMark(ch)) {
                luecke = true;
                if (offen.isNull())
                    offen = ch;
                else if (ch == offen)
                    offen = QChar();
            }
            ++i;
        }
        if (luecke)
            continue;
        for (qsizetype k = anfang; k < i;) {
            if (!text[k].isLetter()) {
                ++k;
                continue;
            }
            const qsizetype von = k;
            while (k < i && text[k].isLetter())
                ++k;
            if ((von > anfang && text[von - 1].isDigit()) || (k < i && text[k].isDigit()))
                continue;
            wortGrenzen(text.sliced(von, k - von), von, result);
        }
    }
    return result;
}

std::optional<QString> Silbentrenner::trennen(QStringView text)
{
    const std::optional<QList<qsizetype>> stellen = textGrenzen(text);
    if (!stellen)
        return std::nullopt;
    QString result;
    result.reserve(text.size() + stellen->size());
    qsizetype von = 0;
    for (qsizetype stelle : *stellen) {
        result += text.sliced(von, stelle - von);
        result += u'-';
        von = stelle;
    }
    result += text.sliced(von);
    return result;
}

std::optional<QList<qsizetype>> Silbentrenner::trennstellen(QStringView text, qsizetype von,
                                                            qsizetype bis)
{
    std::optional<QList<qsizetype>> stellen = textGrenzen(text);
    if (stellen)
        *stellen = inWoertern(text, std::move(*stellen), von, bis);
    return stellen;
}

Silbentrenner &deutsch()
{
    static Silbentrenner trenner(standardMuster());
    return trenner;
}

QList<qsizetype> trennstriche(QStringView text, qsizetype von, qsizetype bis)
{
    const auto buchstabe = [text](qsizetype k) {
        return k >= 0 && k < text.size() && text[k].isLetter();
    };
    QList<qsizetype> stellen;
    QChar offen;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (ch <= u' ') {
            offen = QChar();
        } else if (markup::isPairMark(ch)) {
            offen = offen.isNull() ? ch : ch == offen ? QChar() : offen;
        } else if (ch == u'-' && offen.isNull() && buchstabe(i - 1) && buchstabe(i + 1)) {
            const bool klein = text[i - 1].isLower() || (buchstabe(i + 2) && text[i + 2].isLower());
            if (!(text[i + 1].isUpper() && klein))
                stellen.append(i);
        }
    }
    return inWoertern(text, std::move(stellen), von, bis);
}

QString trennungEntfernen(QStringView text)
{
    QString result = text.toString();
    const QList<qsizetype> stellen = trennstriche(text);
    for (auto stelle = stellen.crbegin(); stelle != stellen.crend(); ++stelle)
        result.remove(*stelle, 1);
    return result;
}

} // namespace silben
