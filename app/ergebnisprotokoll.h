#pragma once
// The results of an exercise as the main window shows them in step 3: the target text
// (RichEdit1) and the written text (RichEdit2) with their wrong parts coloured, the wrong
// words one per line (Memo3) and the record of every rewrite (Memo5). Writes nothing but
// the four widgets it is given.

#include <QList>
#include <QString>
#include <QStringList>

class QPlainTextEdit;
class QTextEdit;
namespace lauf {
struct MarkierteFaerben;
}
namespace writing {
struct Auswertung;
struct TextStueck;
struct Vergleich;
} // namespace writing

class Ergebnisprotokoll {
public:
    Ergebnisprotokoll(QTextEdit &vorlage, QTextEdit &geschrieben, QPlainTextEdit &fehler,
                      QPlainTextEdit &druck);

    // A first run starts: all four are emptied.
    void neuerLauf();
    // Another text, or its words shuffled: the target text and the wrong words go.
    void textGewechselt();
    // The reading displays name a marked word's place in `text`, a line break one
    // character: the target text is `text` in black, and no word is wrong yet.
    void lesetextVorlegen(const QString &text);

    // Where the words appended next begin in the target text.
    int vorlageEnde() const;
    // A rewrite compared: its wrong words, the target and the written text.
    void vergleichEintragen(const writing::Vergleich &vergleich);
    // A rewrite finished: its record, and when right its target and written text.
    void nachschreibenEintragen(const writing::Auswertung &auswertung);
    void fehlerwortEintragen(const QString &wort);
    // A word marked on a display that names its place in the target text: `word` to the
    // wrong words, its place red; a place past what is written so far colours only what
    // is there.
    void wortMarkieren(const QString &word, int selectionStart, int selectionLength);
    // The words marked on a chunk's display, coloured where the chunk's words were
    // appended to the target text from `ab` on.
    void markierteFaerben(int ab, const lauf::MarkierteFaerben &markierte);
    // After a run: the wrong words as the pupil file takes them (none may look like a
    // header), written back into the list when that changed any.
    QStringList fehlerFuerDatei();
    // The wrong words as a file holds them: none for an empty list, and no empty line
    // after a final line break.
    QStringList fehlerZeilen() const;
    // The target text is shown from its start.
    void anDenAnfang();

    // Appends the pieces at the end of a result text, each in its colour.
    static void anhaengen(QTextEdit &text, const QList<writing::TextStueck> &stuecke);

private:
    QTextEdit &m_vorlage;
    QTextEdit &m_geschrieben;
    QPlainTextEdit &m_fehler;
    QPlainTextEdit &m_druck;
};
