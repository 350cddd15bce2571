#pragma once
// The "neuer Schüler" dialog: asks for the name of a new pupil and creates the pupil file.
// Opened by the main window's "Schüler" -> "Neu..." and its button "neuer Schüler".

#include "exercise/core/pupilrecord.h"

#include <QDialog>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
struct IoError;

class TForm2 : public QDialog {
    Q_OBJECT
public:
    // "Abbrechen" ends the dialog with this result. Every other ending, closing the window
    // through its frame included, means "Schüler anlegen".
    static constexpr int AbortResult = 3;

    explicit TForm2(QWidget *parent = nullptr);

    // The whole command: empties and shows the dialog, refuses a name that cannot form a
    // file name, asks before replacing an existing pupil file, writes the new one-line
    // record in `startverzeichnis`. Every refusal and failure has been shown to the user
    // when nothing is returned.
    std::optional<pupilrecord::PupilFile> schuelerAnlegen(const QString &startverzeichnis);

    QLabel *Label1;
    QLineEdit *Edit1;
    // "Schüler anlegen"
    QPushButton *Button1;
    // "Abbrechen"
    QPushButton *Button2;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
};

// The question asked before a new pupil replaces an existing pupil file; true for "Ja".
bool confirmOverwritePupilFile(QWidget *parent);
