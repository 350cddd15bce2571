#pragma once
// The program's command line: what a teacher or an administrator may name at start.
// Each option is one member here and one line where the options are made.

#include <QString>

struct Kommandozeile {
    // The folder named with --startverzeichnis, made absolute; empty when none is named.
    QString startverzeichnis;
    // --versteckte-befehle: the main window shows the commands it keeps hidden.
    bool versteckteBefehle = false;
    // The file to open at start (a pupil file or a text), made absolute; empty when none.
    QString datei;
};

// Before the window system is reached (a QCoreApplication runs): "--help" and
// "--version" print their text and end the program, so they answer at a text console.
void hilfeOderVersionZeigen();

// After the QApplication took the window system's own options (-platform, -style ...):
// the program's options; an unknown one is printed and ends the program.
Kommandozeile kommandozeileLesen();
