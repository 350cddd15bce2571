#pragma once
// The loaded pupil record of the main window: the record, its list of past exercises
// (ListBox1) and its lines (Memo2), which it refills after every change, and which entry's
// wrong words step 3 shows. It writes nothing on the screen itself: each command returns
// what the window must tell the teacher.

#include "exercise/core/fileio.h"
#include "exercise/core/pupilrecord.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>

class HiddenMemo;
class QListWidget;

class SchuelerAkte : public QObject {
    Q_OBJECT
public:
    SchuelerAkte(QListWidget *liste, HiddenMemo *zeilen, QObject *parent);

    bool geladen() const { return m_datei.has_value(); }
    QString pfad() const { return m_datei ? m_datei->path() : QString(); }
    QString vollerName() const { return m_datei ? m_datei->fullName() : QString(); }
    QString vorname() const { return m_datei ? m_datei->firstName() : QString(); }
    QStringList zeilen() const { return m_datei ? m_datei->lines() : QStringList(); }
    // The record's lines joined by "\n".
    QString text() const { return m_datei ? m_datei->text() : QString(); }

    // A record just loaded or made becomes the pupil's; no entry is selected or shown.
    void uebernehmen(pupilrecord::PupilFile datei);
    IoError laden(const QString &pfad);
    // "Textbezogen": no pupil any more.
    void vergessen();

    // The entry selected in the list, or empty.
    QString gewaehlterEintrag() const;
    // The entry whose wrong words step 3 shows; empty while it shows a run's words.
    const QString &gezeigterEintrag() const { return m_gezeigt; }
    // Step 3 shows the words of `eintrag` now: they are returned.
    QStringList zeigen(const QString &eintrag);
    void nichtsZeigen() { m_gezeigt.clear(); }
    // The list names the shown entry again (after the teacher kept the text).
    void gezeigtenWaehlen();

    // Records an exercise just ended under `textName` with its wrong words. After a
    // Laufbahn run the new entry is selected and shown, and its words come back in
    // `woerter`; after the other kinds nothing is selected, so that a correction can only
    // reach the exercise whose words step 3 shows.
    struct Eingetragen {
        WriteResult schreiben;
        std::optional<QStringList> woerter;
    };
    [[nodiscard]] Eingetragen eintragen(pupilrecord::ExerciseKind art, const QString &textName,
                                        const QStringList &woerter);
    // The corrected words of the entry step 3 shows, when it is still selected; nothing
    // happens otherwise.
    [[nodiscard]] WriteResult korrigieren(const QStringList &woerter);
    // Before the pupil is let go: changes whose write failed are written now.
    [[nodiscard]] WriteResult ungeschriebeneSchreiben();

signals:
    // The teacher chose an entry: with the mouse (once the button is released), with the
    // keys, or by clicking the selected one again.
    void eintragGewaehlt();
    // Another pupil, or none, is loaded now.
    void schuelerGewechselt();
    // An exercise was recorded or its words corrected (also when the write failed: the
    // change is kept and written later).
    void eingetragen();

private:
    void auffuellen(const QString &auswahl);

    QListWidget *m_liste;
    HiddenMemo *m_zeilen;
    std::optional<pupilrecord::PupilFile> m_datei;
    QString m_gezeigt;
    // Set while the list is refilled or reselected here, not by the teacher.
    bool m_auffuellen = false;
    // Set while a choice is being answered, so that nothing shown on the way (a question,
    // an error box) starts a second one.
    bool m_beschaeftigt = false;
    bool m_gedrueckt = false;
};
