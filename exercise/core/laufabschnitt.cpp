#include "exercise/core/laufabschnitt.h"

#include "exercise/core/markup.h"

#include <algorithm>

namespace lauf {
namespace {

bool istLuecke(QChar ch)
{
    return ch == u' ';
}

} // namespace

QString wortLesen(QStringView puffer, qsizetype &pos)
{
    while (pos < puffer.size() && istLuecke(puffer[pos]))
        ++pos;
    const qsizetype anfang = pos;
    while (pos < puffer.size() && !istLuecke(puffer[pos]) && puffer[pos] != markup::endMark)
        ++pos;
    return puffer.sliced(anfang, pos - anfang).toString();
}

QString woerterLesen(QStringView puffer, qsizetype &pos, int anzahl)
{
    QStringList woerter;
    for (int i = 0; i < anzahl; ++i) {
        const QString wort = wortLesen(puffer, pos);
        if (wort.isEmpty())
            break;
        woerter << wort;
    }
    return woerter.join(u' ');
}

bool amEnde(QStringView puffer, qsizetype pos)
{
    qsizetype p = pos;
    return wortLesen(puffer, p).isEmpty();
}

QString Abschnitt::ziel() const
{
    QStringList ziele;
    for (const Wort &wort : woerter) {
        if (!wort.ziel.isEmpty())
            ziele << wort.ziel;
    }
    return ziele.join(u' ');
}

Abschnitt abschnittZerlegen(QStringView abschnitt)
{
    Abschnitt zerlegt;
    zerlegt.roh = abschnitt.trimmed().toString();
    markup::TargetWords ziele;
    for (QStringView roh : QStringView(zerlegt.roh).split(u' ', Qt::SkipEmptyParts))
        zerlegt.woerter.append({roh.toString(), ziele.next(roh)});
    return zerlegt;
}

int wortStelle(QStringView abschnitt, QChar letterPlaceholder, QChar partPlaceholder,
               int anzeigeStelle)
{
    const markup::MappedDisplay anzeige =
        markup::mappedDisplay(abschnitt, letterPlaceholder, partPlaceholder);
    if (anzeigeStelle < 0 || anzeigeStelle >= anzeige.sources.size())
        return -1;
    // A placeholder stands for its pair, which lies inside its word.
    const qsizetype bis = anzeige.sources[anzeigeStelle].position;
    int anfaenge = 0;
    for (qsizetype i = 0; i <= bis; ++i) {
        if (!istLuecke(abschnitt[i]) && (i == 0 || istLuecke(abschnitt[i - 1])))
            ++anfaenge;
    }
    return anfaenge - 1;
}

Uebungstext uebungstext(QStringView editorText)
{
    qsizetype zeichen = 0;
    qsizetype i = 0;
    for (; i < editorText.size(); ++i) {
        const qsizetype breite = editorText[i] == u'\n' ? 2 : 1;
        if (zeichen + breite > markup::maxTextLength)
            break;
        zeichen += breite;
    }
    if (i == editorText.size())
        return {i, false};
    // Cut where a word ends: a blank or a line break at the cut keeps all that fits.
    if (editorText[i] <= u' ')
        return {i, true};
    qsizetype schnitt = i;
    while (schnitt > 0 && editorText[schnitt - 1] > u' ')
        --schnitt;
    // One word longer than the whole buffer is cut where the buffer ends.
    return {schnitt > 0 ? schnitt : i, true};
}

QString fehlerwortFuerDatei(QStringView wort)
{
    qsizetype anfang = 0;
    while (anfang < wort.size() && wort[anfang] == u'~')
        ++anfang;
    return wort.sliced(anfang).toString();
}

} // namespace lauf
