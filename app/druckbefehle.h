#pragma once
// The main window's prints: the exercise text ("Text drucken", SpeedButton4), the wrong
// words (SpeedButton5), the written text (SpeedButton9) and every text of a folder
// ("alle Texte drucken..."), laid out on the shared page and shown in the preview first.

#include <QObject>
#include <QString>
#include <functional>

class QAction;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPrinter;
class QWidget;
namespace printing {
struct PrintJob;
}

// What the prints read from the main window.
struct Druckquellen {
    const QPlainTextEdit &text;        // Memo1
    const QPlainTextEdit &fehler;      // Memo3
    const QPlainTextEdit &geschrieben; // Memo5
    const QListWidget &eintraege;      // ListBox1, the pupil's exercises
    const QAction &ohneSonderzeichen;  // "Sonderzeichen nicht drucken"
    const QLabel &druckschrift;        // Label8, whose size the single prints take
    const QString &startverzeichnis;
    // The loaded text's name when it has one, the loaded pupil's name; else empty.
    std::function<QString()> textName;
    std::function<QString()> schueler;
    // The printer "Druckereinstellungen..." set up.
    std::function<QPrinter *()> drucker;
};

class Druckbefehle : public QObject {
    Q_OBJECT
public:
    // The prints of `fenster`, which opens their preview, from `quellen`.
    Druckbefehle(QWidget &fenster, Druckquellen quellen);

    void drucken1Click();
    void SpeedButton5Click();
    void SpeedButton9Click();
    void alleTextedrucken1Click();

private:
    // The size of Label8, the single prints' size.
    int druckGroesse() const;
    // Opens the preview of `job` for the printer chosen in "Druckereinstellungen...".
    void druckvorschau(const printing::PrintJob &job);

    QWidget &m_fenster;
    Druckquellen m_quellen;
};
