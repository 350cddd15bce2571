#include "app/leer.h"

#include "exercise/ui/firstshow.h"

#include <QGuiApplication>
#include <QScreen>

using namespace Qt::StringLiterals;

TForm18::TForm18(QWidget *parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(u"Form18"_s);
    setWindowTitle(u"leer"_s);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
    // Without a window manager to maximise it, the window still covers the screen.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    // Setting the state would make the native window now; it is made when shown.
    whenFirstShown(this, [this] { setWindowState(Qt::WindowMaximized); });
}
