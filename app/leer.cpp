#include "app/leer.h"

using namespace Qt::StringLiterals;

TForm18::TForm18(QWidget *parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(u"Form18"_s);
    setWindowTitle(u"leer"_s);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
    setWindowState(Qt::WindowMaximized);
}
