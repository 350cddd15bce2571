// The main window's side of the word comparison: what it hands the comparison from the
// current chunk, and how the result lands in the error list and texts.

#include "app/glmain.h"

#include "app/laufbahnapp.h"
#include "settings/ui/einstellwerte.h"

#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>

void TForm3::vergleichVerbinden(TForm14 *vergleich)
{
    connect(vergleich, &TForm14::verglichen, this, &TForm3::vergleichEintragen);
}

writing::VergleichsEingabe TForm3::vergleichsEingabe(const QString &geschrieben,
                                                     const QString &vorlage) const
{
    writing::VergleichsEingabe eingabe;
    // As the rewrite forms hand it on: without the blanks typed after the last word.
    eingabe.geschrieben = geschrieben;
    while (eingabe.geschrieben.endsWith(u' '))
        eingabe.geschrieben.chop(1);
    eingabe.vorlage = vorlage;
    eingabe.dateityp = dateityp();
    eingabe.wortRoh = m_teil.wortRoh;
    eingabe.abschnittRoh = m_teil.abschnittRoh;
    eingabe.wortgruppeRoh = m_teil.wortgruppeRoh;
    eingabe.ganzeWortgruppe = einstellwerte::ganzeWortgruppe(*laufbahn().Form10);
    return eingabe;
}

markup::FileType TForm3::dateityp() const
{
    if (RadioButton1->isChecked())
        return markup::FileType::Woerter;
    if (RadioButton2->isChecked())
        return markup::FileType::Wortgruppen;
    return markup::FileType::Text;
}

void TForm3::vergleichEintragen(const writing::Vergleich &vergleich)
{
    if (!m_teil.neueUebung)
        return;
    for (const QString &wort : vergleich.fehler)
        Memo3->appendPlainText(wort);
    anhaengen(RichEdit1, vergleich.vorlageText);
    anhaengen(RichEdit2, vergleich.geschriebenText);
}

void TForm3::anhaengen(QTextEdit *text, const QList<writing::TextStueck> &stuecke)
{
    // Straight into the document, so the user's clipboard is never touched.
    QTextCursor cursor(text->document());
    cursor.movePosition(QTextCursor::End);
    for (const writing::TextStueck &stueck : stuecke) {
        QTextCharFormat format;
        format.setForeground(stueck.farbe);
        cursor.insertText(stueck.text, format);
    }
}
