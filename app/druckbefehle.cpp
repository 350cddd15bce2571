#include "app/druckbefehle.h"

#include "app/glmain.h"
#include "app/laufbahnapp.h"
#include "exercise/core/fileio.h"
#include "exercise/core/printjobs.h"
#include "exercise/core/printlayout.h"
#include "exercise/core/textfile.h"
#include "exercise/ui/editortext.h"
#include "exercise/ui/messages.h"
#include "exercise/ui/printing.h"
#include "exercise/ui/textedrucken.h"
#include "settings/core/fontspec.h"
#include "settings/ui/einstellwerte.h"

#include <QAction>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QToolButton>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

// The folder print's size, whatever the single prints use.
constexpr int folderPrintPoints = 10;

// The text's name when a named text is loaded, else empty.
QString namedText(const TForm3 &form)
{
    return form.textState() == TForm3::TextState::Named ? form.Label6->text() : QString();
}

QString loadedPupil(const TForm3 &form)
{
    return form.schuelerGeladen() ? form.Edit1->text() : QString();
}

printing::Layout singleLayout(const QList<printlayout::Heading> &headings, const QString &buffer)
{
    return [headings, buffer](QSize page, const printlayout::TextMetrics &metrics) {
        return printlayout::singlePrint(page, metrics, headings, buffer);
    };
}

} // namespace

Druckbefehle::Druckbefehle(TForm3 &fenster) : QObject(&fenster), m_fenster(fenster)
{
    connect(fenster.drucken1, &QAction::triggered, this, &Druckbefehle::drucken1Click);
    connect(fenster.SpeedButton4, &QToolButton::clicked, this, &Druckbefehle::drucken1Click);
    connect(fenster.alleTextedrucken1, &QAction::triggered, this,
            &Druckbefehle::alleTextedrucken1Click);
    connect(fenster.SpeedButton5, &QToolButton::clicked, this, &Druckbefehle::SpeedButton5Click);
    connect(fenster.SpeedButton9, &QToolButton::clicked, this, &Druckbefehle::SpeedButton9Click);
}

int Druckbefehle::druckGroesse() const
{
    const QFont font = m_fenster.Label8->font();
    return font.pixelSize() > 0 ? std::abs(settings::sizeForHeight(-font.pixelSize()))
                                : font.pointSize();
}

void Druckbefehle::druckvorschau(const printing::PrintJob &job)
{
    printing::Druckvorschau preview(job, m_fenster.printer(), &m_fenster);
    preview.exec();
}

void Druckbefehle::drucken1Click()
{
    const QString name = namedText(m_fenster);
    const QString buffer =
        printjobs::printBuffer(editorText(*m_fenster.Memo1->document()),
                               m_fenster.Sonderzeichennichtdrucken1->isChecked());
    druckvorschau({name.isEmpty() ? u"Text"_s : name,
                   name.isEmpty() ? u"Text.pdf"_s : QFileInfo(name).completeBaseName() + u".pdf"_s,
                   einstellwerte::druckSchrift(*laufbahn().Form10, druckGroesse()),
                   singleLayout(printjobs::exerciseTextHeadings(name), buffer)});
}

void Druckbefehle::SpeedButton5Click()
{
    // German whatever the system's language, as in the pupil file.
    const QString date = QDate::currentDate().toString(u"dd.MM.yyyy");
    const QString buffer = printjobs::printBuffer(
        m_fenster.Memo3->toPlainText(), m_fenster.Sonderzeichennichtdrucken1->isChecked());
    druckvorschau({u"Fehler"_s, u"Fehler.pdf"_s,
                   einstellwerte::druckSchrift(*laufbahn().Form10, druckGroesse()),
                   singleLayout(printjobs::wrongWordsHeadings(date, loadedPupil(m_fenster),
                                                              namedText(m_fenster)),
                                buffer)});
}

void Druckbefehle::SpeedButton9Click()
{
    const QListWidgetItem *entry = m_fenster.ListBox1->currentItem();
    const QString selectedEntry = entry && entry->isSelected() ? entry->text() : QString();
    // The marks stay: what the pupil wrote is printed as written.
    const QString buffer = printjobs::printBuffer(m_fenster.Memo5->toPlainText(), false);
    druckvorschau({u"Ergebnis"_s, u"Ergebnis.pdf"_s,
                   einstellwerte::druckSchrift(*laufbahn().Form10, druckGroesse()),
                   singleLayout(printjobs::writtenTextHeadings(
                                    namedText(m_fenster), loadedPupil(m_fenster), selectedEntry),
                                buffer)});
}

void Druckbefehle::alleTextedrucken1Click()
{
    TForm8 &dialog = *laufbahn().Form8;
    dialog.Edit1->setText(QDir::toNativeSeparators(m_fenster.startverzeichnis + u"*.txt"_s));
    if (dialog.exec() != QDialog::Accepted)
        return;

    // Every text is read before anything is shown: a text that cannot be read stops the
    // print with its error, instead of leaving it out unnoticed.
    QList<printlayout::NamedText> texts;
    const QStringList files =
        printjobs::filesMatching(printjobs::folderPattern(dialog.Edit1->text()));
    for (const QString &file : files) {
        IoError error;
        const std::optional<QString> text = textfile::readText(file, &error);
        if (!text) {
            showError(&m_fenster, error.message() + u".\n\n"_s + QDir::toNativeSeparators(file));
            return;
        }
        texts.append({QDir::toNativeSeparators(file), printjobs::printBuffer(*text, false)});
    }
    druckvorschau({u"Texte"_s, u"Texte.pdf"_s,
                   einstellwerte::druckSchrift(*laufbahn().Form10, folderPrintPoints),
                   [texts](QSize page, const printlayout::TextMetrics &metrics) {
                       return printlayout::folderPrint(page, metrics, texts);
                   }});
}
