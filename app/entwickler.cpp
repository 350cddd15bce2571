// The developer shortcuts of the main window: each tries one form on the text of Memo1,
// set up as the exercise run sets up a chunk.

#include "app/entwickler.h"

#include "app/glmain.h"
#include "app/laufbahnapp.h"
#include "display/ui/kuzzeit.h"
#include "exercise/core/markup.h"
#include "exercise/ui/messages.h"
#include "settings/ui/einstellwerte.h"
#include "writing/ui/lob2.h"
#include "writing/ui/schreib1.h"
#include "writing/ui/schreib2.h"

#include <QAction>
#include <QInputDialog>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

bool entwicklerEintraege()
{
    static const bool an = qEnvironmentVariable("LAUFBAHN_ENTWICKLER") == QLatin1String("1");
    return an;
}

namespace {

void eintrag(TForm3 &form, const QString &name, Qt::Key taste, std::function<void()> tun)
{
    auto *entry = new QAction(&form);
    entry->setObjectName(name);
    entry->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | taste));
    entry->setShortcutContext(Qt::WindowShortcut);
    form.addAction(entry);
    QObject::connect(entry, &QAction::triggered, &form, std::move(tun));
}

// `text` as one chunk, as the exercise run sets up each: its raw forms and its target.
// `gruppe`: a word group of a word-group text is shown as its words.
lauf::Nachschreiben probeAbschnitt(const TForm3 &form, const QString &text, bool gruppe)
{
    const QString puffer = markup::fillBuffer(text, markup::BufferLayout::Laufbahn);
    // The buffer's own end mark is the last "#": one in the text is a placeholder.
    const QString chunk = puffer.left(puffer.lastIndexOf(markup::endMark)).trimmed();
    lauf::Nachschreiben teil;
    teil.gruppe = gruppe;
    teil.wortgruppeRoh = chunk;
    teil.abschnittRoh = gruppe && form.dateityp() == markup::FileType::Wortgruppen
                            ? markup::wordGroupForDisplay(chunk)
                            : chunk;
    teil.wortRoh = teil.abschnittRoh;
    teil.ziel = markup::targetString(teil.abschnittRoh).trimmed();
    return teil;
}

QString anzeigeText(const lauf::Nachschreiben &teil)
{
    const TForm10 &settings = *laufbahn().Form10;
    const lauf::LaufEinstellungen werte = einstellwerte::lauf(settings, {}, false);
    return markup::displayString(teil.abschnittRoh, werte.letterPlaceholder, werte.partPlaceholder);
}

void blitzen(TForm3 &form, const QString &anzeige)
{
    for (const QString &wort : markup::displayStringWords(anzeige)) {
        form.kurzzeitZeigen(wort);
        // A showing closed before its end stops the rest.
        const display::KurzzeitAblauf *ablauf = laufbahn().Form15->ablauf();
        if (!ablauf || ablauf->phase() != display::KurzzeitPhase::Fertig)
            break;
    }
}

// Rewrites the first word or the first line of Memo1, recorded as in a first run so that
// the step-3 texts show what a rewrite adds.
void nachschreibenProbe(TForm3 &form, QPlainTextEdit &text, bool nurWort)
{
    if (!form.lueckentextPruefen(&text))
        return;
    // The praise as an exercise start prepares it.
    const writing::Lob lob = einstellwerte::lob(*laufbahn().Form10);
    if (lob == writing::Lob::Text && !form.lob_laden())
        return;
    if (lob == writing::Lob::Bild && !laufbahn().Form16->isInitialised())
        form.lobBildInit();
    // A long word list's first block holds many lines.
    QString zeile =
        text.document()->firstBlock().text().section(QChar::LineSeparator, 0, 0).trimmed();
    if (nurWort)
        zeile = zeile.section(u' ', 0, 0);
    const lauf::Nachschreiben teil = probeAbschnitt(form, zeile, !nurWort);
    if (teil.abschnittRoh.isEmpty())
        return;
    (void)form.nachschreibenLassen(teil, anzeigeText(teil));
    form.showStep3();
}

} // namespace

void entwicklerEintraegeEinrichten(TForm3 &form, QPlainTextEdit &text, const QAction &alternativ)
{
    if (!entwicklerEintraege())
        return;
    const auto memo1 = [&form, &text] { return probeAbschnitt(form, text.toPlainText(), false); };

    eintrag(form, u"LaufbahnProbe"_s, Qt::Key_F12,
            [&form, memo1] { form.laufbahnZeigen(anzeigeText(memo1())); });
    eintrag(form, u"KurzzeitProbe"_s, Qt::Key_F11,
            [&form, memo1] { blitzen(form, anzeigeText(memo1())); });
    // As the exercise run chooses: the alternative display when "alternativer
    // Laufmodus" is checked, else the gliding line.
    eintrag(form, u"AlternativProbe"_s, Qt::Key_F10, [&form, &alternativ, memo1] {
        if (alternativ.isChecked())
            form.alternativZeigen(anzeigeText(memo1()));
        else
            form.laufbahnZeigen(anzeigeText(memo1()));
    });

    eintrag(form, u"VergleichProbe"_s, Qt::Key_F9, [&form, &text] {
        bool ok = false;
        const QString geschrieben =
            QInputDialog::getText(&form, u"Vergleich ausprobieren"_s,
                                  u"Geschriebener Text (verglichen mit dem Text im Editor):"_s,
                                  QLineEdit::Normal, QString(), &ok);
        if (!ok)
            return;
        form.vergleichen(geschrieben, probeAbschnitt(form, text.toPlainText(), true));
        form.showStep3();
    });

    eintrag(form, u"LobTextProbe"_s, Qt::Key_F8, [&form] {
        if (form.lob_laden())
            form.lobTextZeigen();
    });
    eintrag(form, u"LobBildProbe"_s, Qt::Key_F7, [&form] { form.lobBildZeigen(); });

    // Each try goes on where the last one stopped; an empty choice starts again at the
    // first sentence.
    auto stand = std::make_shared<writing::AuswahlErgebnis>();
    eintrag(form, u"AbschnittProbe"_s, Qt::Key_F6, [&form, &text, stand] {
        if (!form.lueckentextPruefen(&text))
            return;
        const QString puffer =
            markup::fillBuffer(text.toPlainText(), markup::BufferLayout::Laufbahn);
        *stand = form.abschnittWaehlen(puffer, stand->satz_nr, stand->abschnitt_ende);
        if (stand->abschnitt.trimmed().isEmpty()) {
            *stand = {};
            showInformation(&form, u"Kein Textabschnitt gewählt: die Übung wäre zu Ende."_s);
            return;
        }
        showInformation(&form,
                        u"Gewählter Textabschnitt: »%1«\nNächste Runde: Satz %2 ab Stelle %3"_s
                            .arg(stand->abschnitt.trimmed())
                            .arg(stand->satz_nr)
                            .arg(stand->abschnitt_ende));
    });

    eintrag(form, u"WortSchreibProbe"_s, Qt::Key_F5,
            [&form, &text] { nachschreibenProbe(form, text, true); });
    eintrag(form, u"AbschnittSchreibProbe"_s, Qt::Key_F4,
            [&form, &text] { nachschreibenProbe(form, text, false); });
}
