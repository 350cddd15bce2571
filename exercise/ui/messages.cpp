#include "exercise/ui/messages.h"

#include "exercise/core/fileio.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QStringList>

using namespace Qt::StringLiterals;

QString applicationTitle()
{
    return QStringLiteral("Laufbahn II  V2.0");
}

namespace {

void showBox(QWidget *parent, QMessageBox::Icon icon, const QString &text)
{
    QMessageBox box(icon, applicationTitle(), text, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace

void showIoError(QWidget *parent, const IoError &error)
{
    QString text = error.message();
    if (!text.endsWith(u'.'))
        text += u'.';
    showError(parent, text);
}

void showWriteError(QWidget *parent, const WriteResult &result, WrittenFile what)
{
    if (result.unencodable.isEmpty()) {
        if (result.io.failed())
            showIoError(parent, result.io);
        return;
    }
    struct Worte {
        const char16_t *was;
        const char16_t *wo;
        const char16_t *folge;
    };
    static constexpr Worte worte[] = {
        {u"Der Text enthält", u"einer Laufbahn-Textdatei",
         u"Bitte ersetzen Sie diese Zeichen. Der Text wurde nicht gespeichert."},
        {u"Die Wörter enthalten", u"einer Laufbahn-Textdatei",
         u"Die Wörter wurden nicht gespeichert."},
        {u"Der Eintrag enthält", u"der Schülerdatei", u"Die Schülerdatei bleibt unverändert."},
        {u"Die Wiederholung enthält", u"der Wiederholungsdatei",
         u"Die Wiederholung bleibt unverändert."},
        {u"Der Schriftname enthält", u"einer Einstellungsdatei",
         u"Die Einstellungen wurden nicht gespeichert."},
        // A PDF or PNG file holds bytes only: nothing in it is refused.
        {u"Die Datei enthält", u"der Datei", u"Die Datei wurde nicht gespeichert."},
    };
    const Worte &w = worte[int(what)];
    QStringList zeichen;
    for (const QChar ch : result.unencodable)
        zeichen << ch;
    showWarning(parent, u"%1 Zeichen, die in %2 nicht gespeichert werden können: %3\n\n%4"_s.arg(
                            QStringView(w.was), QStringView(w.wo), zeichen.join(u"  "_s),
                            QStringView(w.folge)));
}

void showError(QWidget *parent, const QString &text)
{
    showBox(parent, QMessageBox::Critical, text);
}

void showInformation(QWidget *parent, const QString &text)
{
    showBox(parent, QMessageBox::Information, text);
}

void showWarning(QWidget *parent, const QString &text)
{
    showBox(parent, QMessageBox::Warning, text);
}

bool askYesNo(QWidget *parent, const QString &text, bool warning)
{
    QMessageBox box(warning ? QMessageBox::Warning : QMessageBox::Question, applicationTitle(),
                    text, QMessageBox::Yes | QMessageBox::No, parent);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Ja"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Nein"));
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}
