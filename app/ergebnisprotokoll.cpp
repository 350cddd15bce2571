#include "app/ergebnisprotokoll.h"

#include "exercise/core/uebungslauf.h"
#include "exercise/ui/editortext.h"
#include "writing/core/eintrag.h"
#include "writing/core/nachschreiben.h"
#include "writing/core/wortvergleich.h"

#include <QColor>
#include <QPlainTextEdit>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

Ergebnisprotokoll::Ergebnisprotokoll(QTextEdit &vorlage, QTextEdit &geschrieben,
                                     QPlainTextEdit &fehler, QPlainTextEdit &druck)
    : m_vorlage(vorlage), m_geschrieben(geschrieben), m_fehler(fehler), m_druck(druck)
{
}

void Ergebnisprotokoll::neuerLauf()
{
    m_vorlage.clear();
    m_geschrieben.clear();
    m_fehler.clear();
    m_druck.clear();
}

void Ergebnisprotokoll::textGewechselt()
{
    m_vorlage.clear();
    m_fehler.clear();
}

void Ergebnisprotokoll::lesetextVorlegen(const QString &text)
{
    m_fehler.clear();
    m_vorlage.clear();
    QTextCharFormat schwarz;
    schwarz.setForeground(QColor(0, 0, 0));
    QTextCursor(m_vorlage.document()).insertText(text, schwarz);
}

int Ergebnisprotokoll::vorlageEnde() const
{
    return m_vorlage.document()->characterCount() - 1;
}

void Ergebnisprotokoll::vergleichEintragen(const writing::Vergleich &vergleich)
{
    for (const QString &wort : vergleich.fehler)
        m_fehler.appendPlainText(wort);
    anhaengen(m_vorlage, vergleich.vorlageText);
    anhaengen(m_geschrieben, vergleich.geschriebenText);
}

void Ergebnisprotokoll::nachschreibenEintragen(const writing::Auswertung &auswertung)
{
    QTextCursor druck(m_druck.document());
    druck.movePosition(QTextCursor::End);
    druck.insertText(auswertung.druckText);
    anhaengen(m_vorlage, auswertung.vorlageText);
    anhaengen(m_geschrieben, auswertung.geschriebenText);
}

void Ergebnisprotokoll::fehlerwortEintragen(const QString &wort)
{
    m_fehler.appendPlainText(wort);
}

void Ergebnisprotokoll::wortMarkieren(const QString &word, int selectionStart, int selectionLength)
{
    m_fehler.appendPlainText(word);

    // The display counts in its own string; a selection past the end of what the
    // rewrite forms have written so far colours only what is there.
    QTextCursor cursor(m_vorlage.document());
    const int end = vorlageEnde();
    const int start = qBound(0, selectionStart, end);
    cursor.setPosition(start);
    cursor.setPosition(qBound(start, selectionStart + selectionLength, end),
                       QTextCursor::KeepAnchor);
    QTextCharFormat red;
    red.setForeground(QColor(255, 0, 0));
    cursor.mergeCharFormat(red);
}

void Ergebnisprotokoll::markierteFaerben(int ab, const lauf::MarkierteFaerben &markierte)
{
    // The chunk's target words were appended behind `ab` in their order; a word marked
    // on the display is found there by its place among the words written.
    QTextDocument *dokument = m_vorlage.document();
    QTextCharFormat rot;
    rot.setForeground(QColor(255, 0, 0));
    int suchAb = ab;
    for (int stelle = 0; stelle < markierte.woerter.size(); ++stelle) {
        const QString &ziel = markierte.woerter[stelle].ziel;
        if (ziel.isEmpty())
            continue;
        const QTextCursor fund = dokument->find(
            ziel, suchAb, QTextDocument::FindCaseSensitively | QTextDocument::FindWholeWords);
        if (fund.isNull())
            break;
        suchAb = fund.selectionEnd();
        if (markierte.markiert.contains(stelle)) {
            QTextCursor markieren = fund;
            markieren.mergeCharFormat(rot);
        }
    }
}

QStringList Ergebnisprotokoll::fehlerFuerDatei()
{
    // A wrong word read back from the pupil file must not look like a header.
    QStringList zeilen = editorText(*m_fehler.document()).split(u'\n');
    bool geaendert = false;
    for (QString &zeile : zeilen) {
        const QString inDatei = lauf::fehlerwortFuerDatei(zeile);
        geaendert = geaendert || inDatei != zeile;
        zeile = inDatei;
    }
    if (geaendert) {
        QTextCursor cursor(m_fehler.document());
        cursor.select(QTextCursor::Document);
        cursor.insertText(zeilen.join(u'\n'));
    }
    return zeilen;
}

QStringList Ergebnisprotokoll::fehlerZeilen() const
{
    QString text = editorText(*m_fehler.document());
    if (text.isEmpty())
        return {};
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text.split(u'\n');
}

void Ergebnisprotokoll::anDenAnfang()
{
    m_vorlage.setTextCursor(QTextCursor(m_vorlage.document()));
}

void Ergebnisprotokoll::anhaengen(QTextEdit &text, const QList<writing::TextStueck> &stuecke)
{
    // Straight into the document, so the user's clipboard is never touched.
    QTextCursor cursor(text.document());
    cursor.movePosition(QTextCursor::End);
    for (const writing::TextStueck &stueck : stuecke) {
        QTextCharFormat format;
        format.setForeground(stueck.farbe);
        cursor.insertText(stueck.text, format);
    }
}
