#pragma once
// The main window's prints: the exercise text ("Text drucken", SpeedButton4), the wrong
// words (SpeedButton5), the written text (SpeedButton9) and every text of a folder
// ("alle Texte drucken..."), laid out on the shared page and shown in the preview first.

#include <QObject>

class TForm3;
namespace printing {
struct PrintJob;
}

class Druckbefehle : public QObject {
    Q_OBJECT
public:
    // Connects the print commands of `fenster`.
    explicit Druckbefehle(TForm3 &fenster);

    void drucken1Click();
    void SpeedButton5Click();
    void SpeedButton9Click();
    void alleTextedrucken1Click();

private:
    // The size of Label8, the single prints' size.
    int druckGroesse() const;
    // Opens the preview of `job` for the printer chosen in "Druckereinstellungen...".
    void druckvorschau(const printing::PrintJob &job);

    TForm3 &m_fenster;
};
