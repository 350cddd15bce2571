#pragma once
// The message boxes every window of the program shows: the standard error box for
// file errors and the plain information and warning boxes with an OK button.

#include <QString>

class QWidget;
struct IoError;
struct WriteResult;

// "Laufbahn II  V2.0": the main window's caption and the title of every message box.
QString applicationTitle();

// The application's standard error box: the run-time message of a failed file
// operation, under the application's title.
void showIoError(QWidget *parent, const IoError &error);

// What a write was writing, for the words of its message.
enum class WrittenFile { Text, WordList, PupilRecord, Review, Settings, Picture };
// A failed write's message: the characters Windows-1252 cannot store, or the file error.
void showWriteError(QWidget *parent, const WriteResult &result, WrittenFile what);
// The same box for an error that is not a file's, a printer's for instance.
void showError(QWidget *parent, const QString &text);

void showInformation(QWidget *parent, const QString &text);
void showWarning(QWidget *parent, const QString &text);

// A question with "Ja" and "Nein" under the application's title; "Nein" is the default
// and what Esc gives. True for "Ja".
bool askYesNo(QWidget *parent, const QString &text, bool warning = false);
