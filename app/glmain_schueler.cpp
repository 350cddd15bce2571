// The main window's pupil commands: new pupil, load pupil, a past exercise chosen from
// the list, corrected wrong words written back, and the recording of an exercise.

#include "app/glmain.h"

#include "app/laufbahnapp.h"
#include "exercise/core/fileio.h"
#include "exercise/core/textfile.h"
#include "exercise/ui/editortext.h"
#include "exercise/ui/messages.h"
#include "exercise/ui/neuschueler.h"

#include <QDateTime>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QTextEdit>
#include <QTimer>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

const QString pupilFilter = u"Schüler (*.lbs)"_s;
const QString allFilesFilter = u"alle Dateien (*)"_s;

// A selection made with the mouse counts once the button is released: a modal question
// asked in the middle of a press would leave the list dragging its selection after it.
class EntryListWatcher : public QObject {
public:
    explicit EntryListWatcher(QListWidget *list) : QObject(list), list_(list)
    {
        list->viewport()->installEventFilter(this);
    }

    bool pressed = false;
    // Set while a selection is being shown, so that nothing shown on the way (a question,
    // an error box) starts a second one.
    bool busy = false;
    std::function<void()> released;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonPress ||
            event->type() == QEvent::MouseButtonDblClick) {
            pressed = true;
        } else if (event->type() == QEvent::MouseButtonRelease && pressed) {
            pressed = false;
            // After the list has handled the release (and emitted its click).
            QTimer::singleShot(0, list_, [this] {
                if (released)
                    released();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QListWidget *list_;
};

// The lines of a memo as a file holds them: none for an empty memo, and no empty line
// after a final line break.
QStringList memoLines(const QPlainTextEdit *memo)
{
    QString text = editorText(*memo->document());
    if (text.isEmpty())
        return {};
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text.split(u'\n');
}

bool hasNamedText(const TForm3 &form)
{
    const QString name = form.Label6->text();
    return name != TForm3::keinText && name != TForm3::neuerText;
}

QString selectedEntry(const QListWidget *list)
{
    const QListWidgetItem *item = list->currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

// Selects `entry`, or nothing when the list does not hold it (entries are never empty).
void selectEntry(QListWidget *list, const QString &entry)
{
    const QList<QListWidgetItem *> found =
        entry.isEmpty() ? QList<QListWidgetItem *>() : list->findItems(entry, Qt::MatchExactly);
    if (found.isEmpty()) {
        list->setCurrentItem(nullptr);
        list->clearSelection();
        return;
    }
    list->setCurrentItem(found.constFirst());
    found.constFirst()->setSelected(true);
}

} // namespace

void TForm3::setUpPupilCommands()
{
    OpenDialog2.configure([](QFileDialog *dialog) {
        dialog->setWindowTitle(u"Schüler laden"_s);
        dialog->setFileMode(QFileDialog::ExistingFile);
        dialog->setAcceptMode(QFileDialog::AcceptOpen);
        dialog->setNameFilters({pupilFilter, allFilesFilter});
    });

    // A record of years of exercises lists hundreds of thousands of them.
    ListBox1->setUniformItemSizes(true);
    auto *watcher = new EntryListWatcher(ListBox1);
    const auto showSelected = [this, watcher](bool evenWhenShown) {
        if (refillingListBox1_ || watcher->busy)
            return;
        const QString entry = selectedEntry(ListBox1);
        if (entry.isEmpty() || (!evenWhenShown && entry == shownEntry_))
            return;
        watcher->busy = true;
        ListBox1Click();
        watcher->busy = false;
    };
    // Arrow keys and the like select at once.
    connect(ListBox1, &QListWidget::itemSelectionChanged, this, [watcher, showSelected] {
        if (!watcher->pressed)
            showSelected(false);
    });
    // A click shows the exercise again even when it is selected already, as a fresh start
    // of its corrections.
    connect(ListBox1, &QListWidget::itemClicked, this, [showSelected] { showSelected(true); });
    // A selection dragged to another entry ends without a click.
    watcher->released = [showSelected] { showSelected(false); };
}

void TForm3::showPupilFile(const QString &selected)
{
    refillingListBox1_ = true;
    Memo2->setPlainText(schueler_ ? schueler_->text() : QString());
    ListBox1->clear();
    if (schueler_)
        ListBox1->addItems(schueler_->entries());
    selectEntry(ListBox1, selected);
    refillingListBox1_ = false;
}

void TForm3::neu2Click()
{
    if (!confirmLeavePupil())
        return;
    std::optional<pupilrecord::PupilFile> pupil =
        laufbahn().Form2->schuelerAnlegen(startverzeichnis);
    if (!pupil)
        return;
    schueler_ = std::move(pupil);
    schuelerdatei = schueler_->path();
    shownEntry_.clear();
    showPupilFile(QString());
    Edit1->setText(schueler_->fullName());
    setStatusText(1, u"aktueller Schüler: "_s + schueler_->fullName());
}

void TForm3::ffnen2Click()
{
    if (!confirmLeavePupil())
        return;
    if (OpenDialog2->exec() != QDialog::Accepted || OpenDialog2->selectedFiles().isEmpty())
        return;
    const QString path = QDir::cleanPath(OpenDialog2->selectedFiles().constFirst());
    IoError error;
    std::optional<pupilrecord::PupilFile> pupil = pupilrecord::PupilFile::load(path, &error);
    if (!pupil) {
        showIoError(this, error);
        return;
    }
    schueler_ = std::move(pupil);
    schuelerdatei = path;
    Button5->show();
    RichEdit1->clear();
    Memo3->clear();
    // The last pupil's words must not stay behind in the hidden step 3.
    ListBox3->clear();
    hideStep3();
    shownEntry_.clear();
    showPupilFile(QString());
    Edit1->setText(schueler_->fullName());
    Edit2->setText(schueler_->firstName());
    setStatusText(1, u"aktueller Schüler: "_s + schueler_->fullName());
}

void TForm3::ListBox1Click()
{
    const QString entry = selectedEntry(ListBox1);
    if (!schueler_ || entry.isEmpty())
        return;
    if (!confirmDiscardText()) {
        // The list must go on naming the exercise whose words step 3 shows, or a
        // correction would land in another exercise.
        refillingListBox1_ = true;
        selectEntry(ListBox1, shownEntry_);
        refillingListBox1_ = false;
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
    const QStringList words = schueler_->wordsOf(entry);
    Memo3->setPlainText(words.join(u'\n'));
    ListBox3->clear();
    ListBox3->addItems(pupilrecord::nonEmpty(words));
    shownEntry_ = entry;
}

void TForm3::schueler_update()
{
    QStringList words;
    for (int row = 0; row < ListBox3->count(); ++row)
        words << ListBox3->item(row)->text();
    Memo3->setPlainText(words.join(u'\n'));

    const QString entry = selectedEntry(ListBox1);
    // Only the exercise whose words step 3 shows may take them.
    if (!hasNamedText(*this) || !schueler_ || entry.isEmpty() || entry != shownEntry_)
        return;
    IoError error;
    QString unencodable;
    const bool written = schueler_->updateWords(entry, words, &error, &unencodable);
    showPupilFile(entry);
    if (!written)
        showPupilFileError(this, error, unencodable);
}

void TForm3::uebungEintragen(pupilrecord::ExerciseKind kind)
{
    if (!hasNamedText(*this) || !schueler_)
        return;
    const QString entry =
        pupilrecord::makeEntry(kind, QDateTime::currentDateTime(), Label6->text());
    IoError error;
    QString unencodable;
    const bool written = schueler_->appendExercise(entry, memoLines(Memo3), &error, &unencodable);
    // Step 3 now shows this run's words: an earlier exercise chosen again must show its
    // own before a correction may reach it.
    shownEntry_.clear();
    if (kind == pupilrecord::ExerciseKind::Laufbahn) {
        showPupilFile(entry);
        if (!selectedEntry(ListBox1).isEmpty()) {
            shownEntry_ = entry;
            ListBox3->clear();
            ListBox3->addItems(pupilrecord::nonEmpty(schueler_->wordsOf(entry)));
        }
    } else {
        showPupilFile(QString());
    }
    if (!written)
        showPupilFileError(this, error, unencodable);
}

bool TForm3::confirmLeavePupil()
{
    if (!schueler_ || !schueler_->hasUnwrittenChanges())
        return true;
    IoError error;
    if (schueler_->writeUnwritten(&error)) {
        showPupilFile(selectedEntry(ListBox1));
        return true;
    }
    return askYesNo(
        this,
        u"Die Schülerdatei konnte nicht gespeichert werden (%1). Ohne sie "
        u"weitermachen? Die letzten Änderungen gehen dann verloren."_s.arg(error.message()),
        true);
}
