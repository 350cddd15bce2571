// Program start: sets the application title and shows the main window.

#include "exercise/ui/messages.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    application.setApplicationName(applicationTitle());
    QMainWindow window;
    window.setWindowTitle(applicationTitle());
    window.resize(809, 606);
    window.show();
    return application.exec();
}
