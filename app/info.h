#pragma once
// The about box "Info": the program's name, version and licence. Opened by the main window's
// "Datei" -> "Info...".

#include <QDialog>

class QLabel;
class QPixmap;
class QPushButton;

class TForm7 : public QDialog {
    Q_OBJECT
public:
    explicit TForm7(QWidget *parent = nullptr);

    QLabel *Image1;
    QLabel *Label1; // program name
    QLabel *Label2; // version
    QLabel *Label3;
    QLabel *Label4;
    QLabel *Label5; // the licence
    QPushButton *BitBtn1;
};

// The program's picture: a line of letters gliding to the right.
QPixmap programLogo();
