#pragma once
// "leer": a borderless black window over the whole screen, made at start-up and kept
// ready as a cover; no command shows it.

#include <QWidget>

class TForm18 : public QWidget {
    Q_OBJECT
public:
    explicit TForm18(QWidget *parent = nullptr);
};
