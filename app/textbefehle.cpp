#include "app/textbefehle.h"

#include "app/ergebnisprotokoll.h"
#include "app/glmain.h"
#include "exercise/core/textfile.h"
#include "exercise/core/writeresult.h"
#include "exercise/ui/editortext.h"
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

Textbefehle::Textbefehle(TForm3 &fenster, Ergebnisprotokoll &ergebnis)
    : QObject(&fenster), m_fenster(fenster), m_ergebnis(ergebnis)
{
    fenster.OpenDialog1.configure([](QFileDialog *dialog) {
        dialog->setWindowTitle(u"Text laden"_s);
        dialog->setFileMode(QFileDialog::ExistingFile);
        dialog->setAcceptMode(QFileDialog::AcceptOpen);
        dialog->setNameFilters({textFilter.toString(), oldTextFilter.toString()});
    });
    fenster.SaveDialog1.configure([](QFileDialog *dialog) {
        dialog->setWindowTitle(u"Text speichern unter"_s);
        dialog->setFileMode(QFileDialog::AnyFile);
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->setNameFilter(textFilter.toString());
        dialog->setDefaultSuffix(u"txt"_s);
    });
    connect(fenster.neu1, &QAction::triggered, this, &Textbefehle::neu1Click);
    connect(fenster.SpeedButton1, &QToolButton::clicked, this, &Textbefehle::neu1Click);
    connect(fenster.ffnen1, &QAction::triggered, this, &Textbefehle::ffnen1Click);
    connect(fenster.SpeedButton2, &QToolButton::clicked, this, &Textbefehle::ffnen1Click);
    connect(fenster.speichern1, &QAction::triggered, this, &Textbefehle::speichern1Click);
    connect(fenster.SpeedButton3, &QToolButton::clicked, this, &Textbefehle::speichern1Click);
    connect(fenster.speichernunter1, &QAction::triggered, this, &Textbefehle::speichernunter1Click);
    connect(fenster.SpeedButton6, &QToolButton::clicked, this, &Textbefehle::SpeedButton6Click);
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
    const QTextDocument *text = m_fenster.Memo1->document();
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

bool Textbefehle::neu()
{
    if (!confirmDiscardText())
        return false;
    m_fenster.zufallsfolge = false;
    m_fenster.Memo1->clear();
    m_fenster.Memo1->document()->setModified(false);
    m_fenster.setCurrentText(TForm3::neuerText.toString());
    m_ergebnis.textGewechselt();
    m_fenster.Memo1Change();
    m_fenster.Memo1->setFocus();
    return true;
}

void Textbefehle::neu1Click()
{
    neu();
}

bool Textbefehle::alsWortliste(const QStringList &woerter)
{
    if (!neu())
        return false;
    QString text;
    for (const QString &wort : woerter)
        text += wort + u' ';
    QTextCursor(m_fenster.Memo1->document()).insertText(text);
    m_fenster.dateityp_feststellen();
    return true;
}

void Textbefehle::ffnen1Click()
{
    LazyFileDialog &dialog = m_fenster.OpenDialog1;
    if (confirmDiscardText() && dialog->exec() == QDialog::Accepted &&
        !dialog->selectedFiles().isEmpty()) {
        textOeffnen(QDir::cleanPath(dialog->selectedFiles().constFirst()),
                    dialog->selectedNameFilter() == oldTextFilter);
    }
    // Also after a cancelled dialog: the teacher may have changed the buttons by hand.
    m_fenster.dateityp_feststellen();
}

void Textbefehle::textOeffnen(const QString &path, bool oldFormat)
{
    if (m_fenster.loadText(path, oldFormat)) {
        m_fenster.zufallsfolge = false;
        m_fenster.setCurrentText(m_fenster.textName(path));
        m_fenster.GroupBox1->show();
        m_ergebnis.textGewechselt();
    }
}

bool Textbefehle::speichernunter1Click()
{
    LazyFileDialog &dialog = m_fenster.SaveDialog1;
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return false;
    const QString path = QDir::cleanPath(dialog->selectedFiles().constFirst());
    if (!writeTextFile(path, editorText(*m_fenster.Memo1->document())))
        return false;
    m_fenster.setCurrentText(m_fenster.textName(path));
    m_fenster.zufallsfolge = false;
    m_fenster.Memo1->document()->setModified(false);
    return true;
}

bool Textbefehle::speichern1Click()
{
    const QString name = m_fenster.Label6->text();
    // A random word order or a converted old text must never replace its source unasked.
    if (m_fenster.textState() != TForm3::TextState::Named || m_fenster.zufallsfolge ||
        textfile::isOldTextName(name))
        return speichernunter1Click();
    if (!writeTextFile(m_fenster.textPath(name), editorText(*m_fenster.Memo1->document())))
        return false;
    m_fenster.Memo1->document()->setModified(false);
    return true;
}

void Textbefehle::SpeedButton6Click()
{
    LazyFileDialog &dialog = m_fenster.SaveDialog1;
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return;
    writeTextFile(QDir::cleanPath(dialog->selectedFiles().constFirst()),
                  editorText(*m_fenster.Memo3->document()));
}
