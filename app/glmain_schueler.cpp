// The main window's pupil commands: new pupil, load pupil, a past exercise chosen
// from the list, and writing corrected wrong words back.

#include "app/glmain.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QStringList>

void TForm3::neu2Click() {}

void TForm3::ffnen2Click() {}

void TForm3::ListBox1Click() {}

void TForm3::schueler_update()
{
    QStringList words;
    for (int row = 0; row < ListBox3->count(); ++row)
        words << ListBox3->item(row)->text();
    Memo3->setPlainText(words.join(u'\n'));
}
