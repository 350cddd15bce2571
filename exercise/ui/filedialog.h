#pragma once
// The program's file dialogs: Qt's own dialog on every platform, made so that a
// teacher can type a name: the name chosen last comes up selected, so typing replaces
// it, and the completion list never stays behind when the dialog closes.

#include <QString>

class QFileDialog;
class QWidget;

QFileDialog *makeFileDialog(QWidget *parent, const QString &objectName, const QString &title);
