#pragma once
// libhyphen's own reading of a pattern file, to hold the program's reader against: the
// breaks both find in a word, as a "0"/"1" a character.

#include "reading/core/trennmuster.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <hyphen.h>

#include <cstdlib>
#include <vector>

namespace testing {

class Libhyphen {
public:
    explicit Libhyphen(const QString &datei)
        : m_dict(hnj_hyphen_load(QFile::encodeName(datei).constData()))
    {
    }
    ~Libhyphen()
    {
        if (m_dict)
            hnj_hyphen_free(m_dict);
    }
    Libhyphen(const Libhyphen &) = delete;
    Libhyphen &operator=(const Libhyphen &) = delete;

    bool geladen() const { return m_dict != nullptr; }

    // Libhyphen's breaks of `wort` (bytes in the patterns' set), called as the program
    // calls it, and the reader's; in UTF-8 one figure a character.
    QByteArray libhyphen(const QByteArray &wort) const
    {
        std::vector<char> stellen(std::size_t(wort.size()) + 5, '0');
        char **ersatz = nullptr;
        int *stelle = nullptr;
        int *schnitt = nullptr;
        hnj_hyphen_hyphenate3(m_dict, wort.constData(), int(wort.size()), stellen.data(), nullptr,
                              &ersatz, &stelle, &schnitt, 1, 1, m_dict->clhmin, m_dict->crhmin);
        if (ersatz) {
            for (qsizetype b = 0; b < wort.size(); ++b)
                std::free(ersatz[b]);
            std::free(ersatz);
            std::free(stelle);
            std::free(schnitt);
        }
        QByteArray result;
        for (qsizetype z = 0; z < zeichen(wort); ++z)
            result += (stellen[std::size_t(z)] & 1) ? '1' : '0';
        return result;
    }
    QByteArray leser(const silben::Trennmuster &muster, const QByteArray &wort) const
    {
        std::vector<char> stellen(std::size_t(wort.size()) + 3, '0');
        muster.trennen(wort.constData(), int(wort.size()), stellen.data());
        QByteArray result;
        for (qsizetype b = 0; b < wort.size(); ++b) {
            if (!m_dict->utf8 || b + 1 == wort.size() || (wort[b + 1] & 0xC0) != 0x80)
                result += (stellen[std::size_t(b)] & 1) ? '1' : '0';
        }
        return result;
    }

private:
    qsizetype zeichen(const QByteArray &wort) const
    {
        if (!m_dict->utf8)
            return wort.size();
        qsizetype n = 0;
        for (const char c : wort)
            n += (c & 0xC0) != 0x80;
        return n;
    }
    HyphenDict *m_dict;
};

} // namespace testing
