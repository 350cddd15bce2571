#include "app/wiederholungsstart.h"

#include "app/schuelerakte.h"
#include "app/symbole.h"
#include "exercise/ui/firstshow.h"
#include "exercise/ui/messages.h"
#include "exercise/ui/wiederholungsliste.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

using namespace Qt::StringLiterals;

Wiederholungsstart::Wiederholungsstart(QWidget &fenster, SchuelerAkte &schueler,
                                       QMenu &schuelerMenue, QAction *davor, Lauf lauf)
    : QObject(&fenster), Zeile(new QWidget), Faellig(new QLabel), Wiederholen(new QPushButton),
      WiederholenAktion(new QAction(startIcon(), u"Wiederholen"_s, &fenster)),
      Wiederholung1(new QAction(u"Wiederholung..."_s, &fenster)), m_fenster(fenster),
      m_schueler(schueler), m_lauf(std::move(lauf)), m_heute([] { return QDate::currentDate(); })
{
    setObjectName(u"Wiederholungsstart"_s);
    Zeile->setObjectName(u"Wiederholungszeile"_s);
    Faellig->setObjectName(u"Faellig"_s);
    Wiederholen->setObjectName(u"Wiederholen"_s);
    WiederholenAktion->setObjectName(u"WiederholenAktion"_s);
    Wiederholung1->setObjectName(u"Wiederholung1"_s);

    Wiederholen->setIcon(WiederholenAktion->icon());
    Wiederholen->setText(WiederholenAktion->text());
    fenster.addAction(WiederholenAktion);
    connect(WiederholenAktion, &QAction::enabledChanged, Wiederholen, &QPushButton::setEnabled);
    connect(Wiederholen, &QPushButton::clicked, WiederholenAktion, &QAction::trigger);
    connect(WiederholenAktion, &QAction::triggered, this, &Wiederholungsstart::wiederholen);
    Wiederholen->setEnabled(WiederholenAktion->isEnabled());

    auto *zeile = new QHBoxLayout(Zeile);
    zeile->setContentsMargins(9, 0, 9, 0);
    zeile->addWidget(Faellig);
    zeile->addWidget(Wiederholen);
    zeile->addStretch(1);
    Zeile->hide();

    schuelerMenue.insertAction(davor, Wiederholung1);
    connect(Wiederholung1, &QAction::triggered, this, &Wiederholungsstart::listeZeigen);

    connect(&m_schueler, &SchuelerAkte::schuelerGewechselt, this,
            &Wiederholungsstart::schuelerGewechselt);
    connect(&m_schueler, &SchuelerAkte::eingetragen, this, &Wiederholungsstart::eingetragen);
    // A day may pass while the program stays open: the count is taken again whenever the
    // window comes to the front.
    wheneverActivated(&fenster, [this] {
        if (!m_lauf.laufGehtVor())
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
    if (m_schueler.geladen())
        m_datei = wiederholung::WiederholungsDatei::laden(m_schueler.pfad(), m_schueler.text(),
                                                          m_heute());
    zaehlen();
}

void Wiederholungsstart::eingetragen()
{
    if (!m_datei || m_datei->pfad() != wiederholung::dateiZu(m_schueler.pfad())) {
        schuelerGewechselt();
        return;
    }
    // As on loading: what fails to be written now follows with the next write.
    (void)m_datei->nachUebung(m_schueler.text(), m_heute());
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
    if (m_lauf.laufGehtVor() || !m_datei)
        return;
    const QDate heute = m_heute();
    QList<lauf::Uebungswort> woerter;
    for (const wiederholung::Wort &wort : m_datei->stand().faellige(heute))
        woerter.append({wort.text, wort.art == wiederholung::Art::Wortgruppe});
    const std::optional<QList<lauf::Geuebt>> geuebt =
        woerter.isEmpty() ? std::nullopt : m_lauf.laufen(woerter);
    if (!geuebt) {
        zaehlen();
        return;
    }
    QList<wiederholung::WiederholungsDatei::Bewertung> ergebnisse;
    for (const lauf::Geuebt &wort : *geuebt)
        ergebnisse.append({wort.text, wort.richtig});
    const WriteResult geschrieben =
        ergebnisse.isEmpty() ? WriteResult() : m_datei->ergebnisse(ergebnisse, heute);
    zaehlen();
    if (!geschrieben.ok())
        showWriteError(&m_fenster, geschrieben, WrittenFile::Review);
}

void Wiederholungsstart::listeZeigen()
{
    if (!m_datei || !m_schueler.geladen())
        return;
    (void)m_datei->writeUnwritten();
    Wiederholungsliste liste(&m_fenster);
    liste.laden(m_schueler.pfad(), m_schueler.text(), m_heute());
    liste.exec();
    // The list wrote the file itself: it is read again, unless results here still wait
    // to be written, which the next write merges with it.
    if (!m_datei->hasUnwrittenChanges())
        schuelerGewechselt();
    else
        zaehlen();
}
