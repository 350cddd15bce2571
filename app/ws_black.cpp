#include "app/ws_black.h"

#include "exercise/ui/firstshow.h"

#include <QVBoxLayout>

#include <QGuiApplication>
#include <QScreen>

using namespace Qt::StringLiterals;

TForm_black::TForm_black(QWidget *parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(u"Form_black"_s);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);

    Panel1 = new QWidget;
    Panel1->setObjectName(u"Panel1"_s);
    Panel1->setPalette(black);
    Panel1->setAutoFillBackground(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Panel1);
    // Without a window manager to maximise it, the window still covers the screen.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    // Setting the state would make the native window now; it is made when shown.
    whenFirstShown(this, [this] { setWindowState(Qt::WindowMaximized); });
}
