// The main window's side of the word comparison: what it hands the comparison from the
// settings and the current chunk, and how the result lands in the error list and texts.

#include "app/glmain.h"

#include "app/entwickler.h"
#include "app/laufbahnapp.h"
#include "exercise/core/markup.h"
#include "settings/core/colorvalue.h"
#include "settings/core/fontspec.h"
#include "settings/ui/einstell.h"
#include "settings/ui/settingwidgets.h"

#include <QAction>
#include <QCheckBox>
#include <QInputDialog>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <utility>

using namespace Qt::StringLiterals;

void TForm3::vergleichVerbinden(TForm14 *vergleich)
{
    connect(vergleich, &TForm14::verglichen, this, &TForm3::vergleichEintragen);
    if (!entwicklerEintraege())
        return;

    // Not in any menu: lets a developer try the comparison on the text of Memo1 before
    // the exercise run exists to open it after a wrong rewrite.
    auto *entry = new QAction(this);
    entry->setObjectName(u"VergleichProbe"_s);
    entry->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F9));
    entry->setShortcutContext(Qt::WindowShortcut);
    addAction(entry);
    connect(entry, &QAction::triggered, this, [this, form = QPointer<TForm14>(vergleich)] {
        bool ok = false;
        const QString geschrieben =
            QInputDialog::getText(this, u"Vergleich ausprobieren"_s,
                                  u"Geschriebener Text (verglichen mit dem Text im Editor):"_s,
                                  QLineEdit::Normal, QString(), &ok);
        if (!ok || !form)
            return;
        // The whole editor text as one chunk, set up as the exercise run sets up each.
        const QString buffer =
            markup::fillBuffer(Memo1->toPlainText(), markup::BufferLayout::Laufbahn);
        const QString chunk = buffer.left(buffer.indexOf(markup::endMark)).trimmed();
        wortgruppe_roh = chunk;
        abschnitt_roh = dateityp() == markup::FileType::Wortgruppen
                            ? markup::wordGroupForDisplay(chunk)
                            : chunk;
        wort_roh = abschnitt_roh;
        const QString vorlage = markup::targetString(abschnitt_roh).trimmed();

        // Recorded as in a first run, so that the step-3 texts show what it recorded.
        const bool ersterLauf = std::exchange(neue_uebung, true);
        const auto zurueck = qScopeGuard([this, ersterLauf] { neue_uebung = ersterLauf; });
        form->vergleichen(vergleichsEingabe(geschrieben, vorlage), vergleichsAnsicht());
        showStep3();
    });
}

VergleichsAnsicht TForm3::vergleichsAnsicht() const
{
    const TForm10 &settings = *laufbahn().Form10;
    const settings::FontSpec schrift = settings.Label7->fontSpec();
    VergleichsAnsicht ansicht;
    ansicht.schrift = settings::toQFont(schrift);
    ansicht.normalFarbe = settings::toQColor(schrift.color);
    ansicht.fehlerFarbe = settings.Label13->textColor();
    ansicht.vergleichsFarbe = settings.Label12->textColor();
    ansicht.diktatmodus = settings.CheckBox2->isChecked();
    return ansicht;
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
    eingabe.wortRoh = wort_roh;
    eingabe.abschnittRoh = abschnitt_roh;
    eingabe.wortgruppeRoh = wortgruppe_roh;
    eingabe.ganzeWortgruppe = laufbahn().Form10->CheckBox3->isChecked();
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
    if (!neue_uebung)
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
