#include "app/druckbefehle.h"

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

printing::Layout singleLayout(const QList<printlayout::Heading> &headings, const QString &buffer)
{
    return [headings, buffer](QSize page, const printlayout::TextMetrics &metrics) {
        return printlayout::singlePrint(page, metrics, headings, buffer);
    };
}

} // namespace

Druckbefehle::Druckbefehle(QWidget &fenster, Druckquellen quellen)
    : QObject(&fenster), m_fenster(fenster), m_quellen(std::move(quellen))
{
}

int Druckbefehle::druckGroesse() const
{
    const QFont font = m_quellen.druckschrift.font();
    return font.pixelSize() > 0 ? std::abs(settings::sizeForHeight(-font.pixelSize()))
                                : font.pointSize();
}

void Druckbefehle::druckvorschau(const printing::PrintJob &job)
{
    printing::Druckvorschau preview(job, m_quellen.drucker(), &m_fenster);
    preview.exec();
}

void Druckbefehle::drucken1Click()
{
    const QString name = m_quellen.textName();
    const QString buffer = printjobs::printBuffer(editorText(*m_quellen.text.document()),
                                                  m_quellen.ohneSonderzeichen.isChecked());
    druckvorschau({name.isEmpty() ? u"Text"_s : name,
                   name.isEmpty() ? u"Text.pdf"_s : QFileInfo(name).completeBaseName() + u".pdf"_s,
                   einstellwerte::druckSchrift(*laufbahn().Form10, druckGroesse()),
                   singleLayout(printjobs::exerciseTextHeadings(name), buffer)});
}

void Druckbefehle::SpeedButton5Click()
{
    // German whatever the system's language, as in the pupil file.
    const QString date = QDate::currentDate().toString(u"dd.MM.yyyy");
    const QString buffer = printjobs::printBuffer(m_quellen.fehler.toPlainText(),
                                                  m_quellen.ohneSonderzeichen.isChecked());
    druckvorschau({u"Fehler"_s, u"Fehler.pdf"_s,
                   einstellwerte::druckSchrift(*laufbahn().Form10, druckGroesse()),
                   singleLayout(printjobs::wrongWordsHeadings(date, m_quellen.schueler(),
                                                              m_quellen.textName()),
                                buffer)});
}

void Druckbefehle::SpeedButton9Click()
{
    const QListWidgetItem *entry = m_quellen.eintraege.currentItem();
    const QString selectedEntry = entry && entry->isSelected() ? entry->text() : QString();
    // The marks stay: what the pupil wrote is printed as written.
    const QString buffer = printjobs::printBuffer(m_quellen.geschrieben.toPlainText(), false);
    druckvorschau({u"Ergebnis"_s, u"Ergebnis.pdf"_s,
                   einstellwerte::druckSchrift(*laufbahn().Form10, druckGroesse()),
                   singleLayout(printjobs::writtenTextHeadings(m_quellen.textName(),
                                                               m_quellen.schueler(), selectedEntry),
                                buffer)});
}

void Druckbefehle::alleTextedrucken1Click()
{
    TForm8 &dialog = *laufbahn().Form8;
    dialog.Edit1->setText(QDir::toNativeSeparators(m_quellen.startverzeichnis + u"*.txt"_s));
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
