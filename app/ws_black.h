#pragma once
// The black cover: a borderless black window over the whole screen, shown under a
// display so that nothing of the desktop shines through. Shown by the exercise run.

#include <QWidget>

class TForm_black : public QWidget {
    Q_OBJECT
public:
    explicit TForm_black(QWidget *parent = nullptr);

    QWidget *Panel1;
};
