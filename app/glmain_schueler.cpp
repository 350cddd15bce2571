// The main window's pupil commands: new pupil, load pupil, a past exercise chosen from
// the list, corrected wrong words written back, and the recording of an exercise.

#include "app/glmain.h"

#include "app/ergebnisprotokoll.h"
#include "app/laufbahnapp.h"
#include "app/schuelerakte.h"
#include "app/textbefehle.h"
#include "exercise/core/textfile.h"
#include "exercise/ui/messages.h"
#include "exercise/ui/neuschueler.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>

using namespace Qt::StringLiterals;

void TForm3::setUpPupilCommands()
{
    OpenDialog2.configure([](QFileDialog *dialog) {
        dialog->setWindowTitle(u"Schüler laden"_s);
        dialog->setFileMode(QFileDialog::ExistingFile);
        dialog->setAcceptMode(QFileDialog::AcceptOpen);
        dialog->setNameFilters({u"Schüler (*.lbs)"_s, u"alle Dateien (*)"_s});
    });
    m_schueler = new SchuelerAkte(ListBox1, Memo2, this);
    connect(m_schueler, &SchuelerAkte::eintragGewaehlt, this, &TForm3::ListBox1Click);
}

QString TForm3::schuelerPfad() const
{
    return m_schueler->pfad();
}

void TForm3::schuelerZeigen()
{
    Edit1->setText(m_schueler->vollerName());
    setStatusText(1, u"aktueller Schüler: "_s + m_schueler->vollerName());
}

void TForm3::neu2Click()
{
    if (!confirmLeavePupil())
        return;
    std::optional<pupilrecord::PupilFile> pupil =
        laufbahn().Form2->schuelerAnlegen(startverzeichnis);
    if (!pupil)
        return;
    m_schueler->uebernehmen(std::move(*pupil));
    schuelerZeigen();
}

void TForm3::ffnen2Click()
{
    if (!confirmLeavePupil())
        return;
    if (OpenDialog2->exec() != QDialog::Accepted || OpenDialog2->selectedFiles().isEmpty())
        return;
    schuelerLaden(QDir::cleanPath(OpenDialog2->selectedFiles().constFirst()));
}

void TForm3::schuelerLaden(const QString &pfad)
{
    const IoError error = m_schueler->laden(pfad);
    if (error.failed()) {
        showIoError(this, error);
        return;
    }
    Button5->show();
    m_ergebnis->textGewechselt();
    // The last pupil's words must not stay behind in the hidden step 3.
    ListBox3->clear();
    hideStep3();
    schuelerZeigen();
    Edit2->setText(m_schueler->vorname().left(Edit2->maxLength()));
}

void TForm3::dateiOeffnen(const QString &pfad)
{
    const QString datei = QDir::cleanPath(QFileInfo(pfad).absoluteFilePath());
    if (QFileInfo(datei).suffix().compare(u"lbs", Qt::CaseInsensitive) == 0) {
        if (confirmLeavePupil())
            schuelerLaden(datei);
        return;
    }
    if (m_textbefehle->confirmDiscardText())
        textOeffnen(datei, textfile::isOldTextName(datei));
    dateityp_feststellen();
}

void TForm3::ListBox1Click()
{
    const QString entry = m_schueler->gewaehlterEintrag();
    if (!m_schueler->geladen() || entry.isEmpty())
        return;
    if (!m_textbefehle->confirmDiscardText()) {
        // The list must go on naming the exercise whose words step 3 shows, or a
        // correction would land in another exercise.
        m_schueler->gezeigtenWaehlen();
        return;
    }

    const QString name = pupilrecord::textNameOf(entry);
    // A text that cannot be read (moved, renamed) leaves the current text as it is, but
    // the recorded words are still shown: they live in the pupil file, not in the text.
    // An old DOS text was exercised as "Öffnen..." converted it.
    if (loadText(textPath(name), textfile::isOldTextName(name))) {
        zufallsfolge = false;
        setCurrentText(name);
        GroupBox1->show();
        dateityp_feststellen();
    }
    showStep3();
    RichEdit1->clear();
    const QStringList words = m_schueler->zeigen(entry);
    Memo3->setPlainText(words.join(u'\n'));
    ListBox3->clear();
    ListBox3->addItems(pupilrecord::nonEmpty(words));
}

void TForm3::schueler_update()
{
    QStringList words;
    for (int row = 0; row < ListBox3->count(); ++row)
        words << ListBox3->item(row)->text();
    Memo3->setPlainText(words.join(u'\n'));
    if (textState() != TextState::Named)
        return;
    const WriteResult written = m_schueler->korrigieren(words);
    if (!written.ok())
        showWriteError(this, written, WrittenFile::PupilRecord);
}

void TForm3::uebungEintragen(pupilrecord::ExerciseKind kind)
{
    if (textState() != TextState::Named)
        return;
    const SchuelerAkte::Eingetragen ergebnis =
        m_schueler->eintragen(kind, Label6->text(), m_ergebnis->fehlerZeilen());
    if (ergebnis.woerter) {
        ListBox3->clear();
        ListBox3->addItems(pupilrecord::nonEmpty(*ergebnis.woerter));
    }
    if (!ergebnis.schreiben.ok())
        showWriteError(this, ergebnis.schreiben, WrittenFile::PupilRecord);
}

bool TForm3::confirmLeavePupil()
{
    const WriteResult written = m_schueler->ungeschriebeneSchreiben();
    if (written.ok())
        return true;
    return askYesNo(
        this,
        u"Die Schülerdatei konnte nicht gespeichert werden (%1). Ohne sie "
        u"weitermachen? Die letzten Änderungen gehen dann verloren."_s.arg(written.io.message()),
        true);
}

void TForm3::Button5Click()
{
    if (!confirmLeavePupil())
        return;
    Edit1->setText(keinSchueler.toString());
    Edit2->clear();
    setStatusText(1, keinSchueler.toString());
    m_schueler->vergessen();
    m_ergebnis->textGewechselt();
    hideStep3();
    Button5->hide();
}
