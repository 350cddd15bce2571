#pragma once
// The program as a teacher starts it, for the tests of its windows: a fresh temporary
// folder made the start directory, the application object and its main window.

#include "app/aufbau.h"
#include "app/laufbahnapp.h"

#include <QByteArray>
#include <QString>
#include <memory>

class QMainWindow;
class QTemporaryDir;
class TForm3;

namespace testing {

// The main window's controls as a test finds them: by their object names.
Hauptfensterteile teileVon(const QMainWindow &fenster);

// A test class derives from this and calls start() in init() and stop() in cleanup();
// a test that needs the steps apart (no settings file, the window shown later) calls
// them one by one.
class AppFixture {
protected:
    AppFixture();
    ~AppFixture();
    AppFixture(const AppFixture &) = delete;
    AppFixture &operator=(const AppFixture &) = delete;

    // Every step at once, with the settings file the program ships with.
    [[nodiscard]] bool start();

    // Makes a fresh temporary folder the current directory, which the program takes
    // for its start directory.
    [[nodiscard]] bool enterStartDir();
    // Puts the shipped default.opt, which the first paint loads, into the start directory.
    [[nodiscard]] bool copyShippedSettings();
    // Creates the application object with its forms.
    void createApp();
    // Shows the main window and waits until it is on the screen.
    [[nodiscard]] bool showMainWindow();

    // Undoes the steps in reverse: the forms go, the directory before comes back, the
    // folder is removed.
    void stop();

    QString startDir() const;
    QString path(const QString &name) const;
    // Writes a file below the start directory, creating the folders on the way.
    void writeFile(const QString &name, const QByteArray &bytes) const;
    QByteArray readFile(const QString &name) const;
    LaufbahnApp &app() const { return *app_; }

    // The main window, while the application lives, and its controls.
    TForm3 *form = nullptr;
    Hauptfensterteile ui;

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString previousDir_;
    std::unique_ptr<LaufbahnApp> app_;
};

} // namespace testing
