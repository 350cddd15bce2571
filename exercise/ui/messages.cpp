#include "exercise/ui/messages.h"

#include "exercise/core/fileio.h"

#include <QAbstractButton>
#include <QMessageBox>

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
