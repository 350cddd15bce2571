#include "app/wiederholungsstart.h"

#include "app/glmain.h"
#include "app/laufbahnapp.h"
#include "app/schuelerakte.h"
#include "app/symbole.h"
#include "exercise/ui/firstshow.h"
#include "exercise/ui/messages.h"
#include "exercise/ui/wiederholungsliste.h"
#include "settings/ui/einstellwerte.h"
#include "writing/ui/schreib1.h"
#include "writing/ui/schreib2.h"

#include <QAction>
#include <QBoxLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>

using namespace Qt::StringLiterals;

namespace {

// The layout of the window's right-hand column: the one that holds `teil`.
QBoxLayout *spalteMit(QLayout *layout, QWidget *teil)
{
    if (!layout)
        return nullptr;
    if (layout->indexOf(teil) >= 0)
        return qobject_cast<QBoxLayout *>(layout);
    for (int i = 0; i < layout->count(); ++i) {
        if (QBoxLayout *gefunden = spalteMit(layout->itemAt(i)->layout(), teil))
            return gefunden;
    }
    return nullptr;
}

} // namespace

Wiederholungsstart::Wiederholungsstart(TForm3 &form, TForm9 &wortform, TForm12 &gruppenform)
    : QObject(&form), Zeile(new QWidget(form.centralWidget())), Faellig(new QLabel),
      Wiederholen(new QPushButton),
      WiederholenAktion(new QAction(startIcon(), u"Wiederholen"_s, &form)),
      Wiederholung1(new QAction(u"Wiederholung..."_s, &form)), m_form(form), m_wortform(wortform),
      m_gruppenform(gruppenform), m_schueler(form.findChild<SchuelerAkte *>()),
      m_heute([] { return QDate::currentDate(); })
{
    setObjectName(u"Wiederholungsstart"_s);
    Zeile->setObjectName(u"Wiederholungszeile"_s);
    Faellig->setObjectName(u"Faellig"_s);
    Wiederholen->setObjectName(u"Wiederholen"_s);
    WiederholenAktion->setObjectName(u"WiederholenAktion"_s);
    Wiederholung1->setObjectName(u"Wiederholung1"_s);

    Wiederholen->setIcon(WiederholenAktion->icon());
    Wiederholen->setText(WiederholenAktion->text());
    form.addAction(WiederholenAktion);
    connect(WiederholenAktion, &QAction::enabledChanged, Wiederholen, &QPushButton::setEnabled);
    connect(Wiederholen, &QPushButton::clicked, WiederholenAktion, &QAction::trigger);
    connect(WiederholenAktion, &QAction::triggered, this, &Wiederholungsstart::wiederholen);
    Wiederholen->setEnabled(WiederholenAktion->isEnabled());

    // Step 3's last row, shown while a pupil is loaded.
    auto *zeile = new QHBoxLayout(Zeile);
    zeile->setContentsMargins(9, 0, 9, 0);
    zeile->addWidget(Faellig);
    zeile->addWidget(Wiederholen);
    zeile->addStretch(1);
    if (QBoxLayout *spalte = spalteMit(form.centralWidget()->layout(), form.GroupBox4))
        spalte->insertWidget(spalte->indexOf(form.GroupBox4) + 1, Zeile);
    Zeile->hide();

    // "Schüler" -> "Wiederholung...", after "Lernverlauf...".
    const QList<QAction *> eintraege = form.Optionen1->actions();
    const qsizetype nach = eintraege.indexOf(form.Lernverlauf1);
    form.Optionen1->insertAction(eintraege.value(nach + 1), Wiederholung1);
    connect(Wiederholung1, &QAction::triggered, this, &Wiederholungsstart::listeZeigen);

    if (m_schueler) {
        connect(m_schueler, &SchuelerAkte::schuelerGewechselt, this,
                &Wiederholungsstart::schuelerGewechselt);
        connect(m_schueler, &SchuelerAkte::eingetragen, this, &Wiederholungsstart::eingetragen);
    }
    // A day may pass while the program stays open: the count is taken again whenever the
    // window comes to the front.
    wheneverActivated(&form, [this] {
        if (!m_lauf)
            zaehlen();
    });
    zaehlen();
}

void Wiederholungsstart::schuelerGewechselt()
{
    // Results whose write failed get one more try before they are let go.
    if (m_datei)
        (void)m_datei->writeUnwritten();
    m_datei.reset();
    // A review file that cannot be written now is rebuilt from the record the next time:
    // nothing the pupil did is lost, so the pupil is loaded without a word about it.
    if (m_schueler->geladen())
        m_datei = wiederholung::WiederholungsDatei::laden(m_schueler->pfad(), m_schueler->text(),
                                                          m_heute());
    zaehlen();
}

void Wiederholungsstart::eingetragen()
{
    if (!m_datei || m_datei->pfad() != wiederholung::dateiZu(m_schueler->pfad())) {
        schuelerGewechselt();
        return;
    }
    // As on loading: what fails to be written now follows with the next write.
    (void)m_datei->nachUebung(m_schueler->text(), m_heute());
    zaehlen();
}

void Wiederholungsstart::zaehlen()
{
    Zeile->setVisible(m_datei.has_value());
    Wiederholung1->setEnabled(m_datei.has_value());
    Wiederholung1->setToolTip(m_datei ? Wiederholung1->text()
                                      : u"Sie müssen zunächst einen Schüler laden."_s);
    const qsizetype anzahl = m_datei ? m_datei->stand().anzahlFaellig(m_heute()) : 0;
    Faellig->setText(anzahl == 1 ? u"Wiederholung fällig: 1 Wort"_s
                                 : u"Wiederholung fällig: %1 Wörter"_s.arg(anzahl));
    WiederholenAktion->setEnabled(anzahl > 0);
}

void Wiederholungsstart::wiederholen()
{
    if (m_lauf || !m_datei)
        return;
    const QDate heute = m_heute();
    const std::vector<wiederholung::Wort> faellig = m_datei->stand().faellige(heute);
    if (faellig.empty() || !m_form.lob_laden()) {
        zaehlen();
        return;
    }
    m_form.lobBildInit();
    QList<lauf::Uebungswort> woerter;
    bool gruppen = false;
    for (const wiederholung::Wort &wort : faellig) {
        const bool gruppe = wort.art == wiederholung::Art::Wortgruppe;
        woerter.append({wort.text, gruppe});
        gruppen = gruppen || gruppe;
    }
    // As the error repetition: the file type the rewrite forms and the comparison read
    // stands for the run only.
    QRadioButton *const vorher = m_form.RadioButton1->isChecked()   ? m_form.RadioButton1
                                 : m_form.RadioButton2->isChecked() ? m_form.RadioButton2
                                                                    : m_form.RadioButton3;
    (gruppen ? m_form.RadioButton2 : m_form.RadioButton1)->setChecked(true);
    const auto zurueck = qScopeGuard([vorher] { vorher->setChecked(true); });

    lauf::Uebungslauf uebung(woerter,
                             einstellwerte::lauf(*laufbahn().Form10, m_form.dateityp(),
                                                 m_form.alternativerLaufmodus1->isChecked()));
    m_lauf = &uebung;
    const auto bewertet = [this](const writing::Auswertung &auswertung) {
        if (m_lauf)
            m_lauf->bewertet(auswertung.richtig);
    };
    const QMetaObject::Connection wort =
        connect(&m_wortform, &Nachschreiben::ausgewertet, this, bewertet);
    const QMetaObject::Connection gruppe =
        connect(&m_gruppenform, &Nachschreiben::ausgewertet, this, bewertet);
    {
        const auto vorbei = qScopeGuard([&] {
            m_lauf = nullptr;
            disconnect(wort);
            disconnect(gruppe);
        });
        m_form.laufFuehren(uebung);
    }

    QList<wiederholung::WiederholungsDatei::Bewertung> ergebnisse;
    for (const lauf::Geuebt &geuebt : uebung.geuebt())
        ergebnisse.append({geuebt.text, geuebt.richtig});
    const WriteResult geschrieben =
        ergebnisse.isEmpty() ? WriteResult() : m_datei->ergebnisse(ergebnisse, heute);
    zaehlen();
    if (!geschrieben.ok())
        showWriteError(&m_form, geschrieben, WrittenFile::Review);
}

void Wiederholungsstart::listeZeigen()
{
    if (!m_datei || !m_schueler->geladen())
        return;
    (void)m_datei->writeUnwritten();
    Wiederholungsliste liste(&m_form);
    liste.laden(m_schueler->pfad(), m_schueler->text(), m_heute());
    liste.exec();
    // The list wrote the file itself: it is read again, unless results here still wait
    // to be written, which the next write merges with it.
    if (!m_datei->hasUnwrittenChanges())
        schuelerGewechselt();
    else
        zaehlen();
}

void wiederholungEinrichten(TForm3 &form, TForm9 &wortform, TForm12 &gruppenform)
{
    new Wiederholungsstart(form, wortform, gruppenform);
}
