#pragma once
// The "Texte drucken" dialog: asks which texts "alle Texte drucken..." prints, as a path
// with a file pattern, typed or built from a folder chosen beside it.
// Opened by the main window's menu "Extras" -> "alle Texte drucken...".

#include "exercise/ui/lazyfiledialog.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

class TForm8 : public QDialog {
    Q_OBJECT
public:
    explicit TForm8(QWidget *parent = nullptr);

    // "Pfad eingeben:"
    QLabel *Label1;
    // The path with a file pattern, "*.txt" in the start directory to begin with.
    QLineEdit *Edit1;
    // "Texte drucken": accepts.
    QPushButton *BitBtn1;
    // "Abbrechen"
    QPushButton *BitBtn2;

private:
    // Puts the chosen folder into Edit1, keeping the file pattern typed there.
    void chooseFolder();

    QToolButton *m_folderButton;
    LazyFileDialog m_folderDialog{this, QStringLiteral("OrdnerDialog")};
};
