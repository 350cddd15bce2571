// Writes "default.opt", the settings file shipped in the start directory:
//   make_default_opt <path>
// It holds what a program started without a settings file shows after its first
// paint, except that a hidden word part is shown as "¬": the "#" of the start-up
// values ends the gliding display's text, so every hidden word part would cut the
// line short in the middle of its word.

#include "exercise/core/fileio.h"
#include "settings/core/settingsrecord.h"
#include "settings/ui/einstell.h"
#include "settings/ui/settingwidgets.h"

#include <QApplication>
#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: make_default_opt <path of default.opt>\n");
        return 2;
    }
    TForm10 form;
    form.setStartUpValues();
    form.Panel4->setCaption(u"¬"_s);
    // Written by the dialog's own record code, but a failure goes to the console: a
    // message box would wait for a user the tool does not have.
    const WriteResult result = settings::writeSettingsFile(arguments[1], form.currentRecord());
    if (!result.ok()) {
        std::fprintf(stderr, "make_default_opt: %s: %s\n", qPrintable(arguments[1]),
                     qPrintable(result.io.failed() ? result.io.message() : result.unencodable));
        return 1;
    }
    return 0;
}
