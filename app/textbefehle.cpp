#include "app/textbefehle.h"

#include "exercise/core/textfile.h"
#include "exercise/core/fileio.h"
#include "exercise/ui/editortext.h"
#include "exercise/ui/lazyfiledialog.h"
#include "exercise/ui/messages.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

constexpr QStringView textFilter = u"Laufbahn / Text (*.txt)";
constexpr QStringView oldTextFilter = u"alte DOS-Laufbahn (*.lbz)";

} // namespace

Textbefehle::Textbefehle(QWidget &fenster, QPlainTextEdit &text, QPlainTextEdit &fehler,
                         LazyFileDialog &oeffnen, LazyFileDialog &speichern,
                         std::function<QString()> speicherPfad)
    : QObject(&fenster), m_fenster(fenster), m_text(text), m_fehler(fehler), m_oeffnen(oeffnen),
      m_speichern(speichern), m_speicherPfad(std::move(speicherPfad))
{
    oeffnen.configure([](QFileDialog *dialog) {
        dialog->setWindowTitle(u"Text laden"_s);
        dialog->setFileMode(QFileDialog::ExistingFile);
        dialog->setAcceptMode(QFileDialog::AcceptOpen);
        dialog->setNameFilters({textFilter.toString(), oldTextFilter.toString()});
    });
    speichern.configure([](QFileDialog *dialog) {
        dialog->setWindowTitle(u"Text speichern unter"_s);
        dialog->setFileMode(QFileDialog::AnyFile);
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->setNameFilter(textFilter.toString());
        dialog->setDefaultSuffix(u"txt"_s);
    });
}

bool Textbefehle::writeTextFile(const QString &path, const QString &text)
{
    const WriteResult result = textfile::writeText(path, text);
    if (!result.ok())
        showWriteError(&m_fenster, result, WrittenFile::Text);
    return result.ok();
}

bool Textbefehle::confirmDiscardText()
{
    const QTextDocument *text = m_text.document();
    if (!text->isModified() || text->isEmpty())
        return true;
    QMessageBox box(QMessageBox::Question, applicationTitle(), u"Änderungen am Text speichern?"_s,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, &m_fenster);
    box.button(QMessageBox::Yes)->setText(u"Ja"_s);
    box.button(QMessageBox::No)->setText(u"Nein"_s);
    box.button(QMessageBox::Cancel)->setText(u"Abbrechen"_s);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return speichern1Click();
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
}

std::optional<Textbefehle::Gewaehlt> Textbefehle::textWaehlen()
{
    if (!confirmDiscardText() || m_oeffnen->exec() != QDialog::Accepted ||
        m_oeffnen->selectedFiles().isEmpty())
        return std::nullopt;
    return Gewaehlt{QDir::cleanPath(m_oeffnen->selectedFiles().constFirst()),
                    m_oeffnen->selectedNameFilter() == oldTextFilter};
}

bool Textbefehle::speichernunter1Click()
{
    LazyFileDialog &dialog = m_speichern;
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return false;
    const QString path = QDir::cleanPath(dialog->selectedFiles().constFirst());
    if (!writeTextFile(path, editorText(*m_text.document())))
        return false;
    m_text.document()->setModified(false);
    emit gespeichertUnter(path);
    return true;
}

bool Textbefehle::speichern1Click()
{
    const QString path = m_speicherPfad();
    if (path.isEmpty())
        return speichernunter1Click();
    if (!writeTextFile(path, editorText(*m_text.document())))
        return false;
    m_text.document()->setModified(false);
    return true;
}

void Textbefehle::SpeedButton6Click()
{
    LazyFileDialog &dialog = m_speichern;
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return;
    writeTextFile(QDir::cleanPath(dialog->selectedFiles().constFirst()),
                  editorText(*m_fehler.document()));
}
