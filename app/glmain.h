#pragma once
// The main window: leads the teacher from the exercise text and the pupil (step 1)
// to the exercise (step 2) and its wrong words (step 3). Created first at start-up.

#include "app/aufbau.h"
#include "display/ui/gleitanzeige.h"
#include "exercise/core/pupilrecord.h"
#include "exercise/core/uebungslauf.h"
#include "exercise/ui/hiddenmemo.h"
#include "exercise/ui/lazyfiledialog.h"
#include "writing/ui/auswahl.h"
#include "writing/ui/nachschreiben.h"
#include "writing/ui/vergleich.h"

#include <QMainWindow>
#include <QMargins>
#include <QRandomGenerator>
#include <QRect>
#include <QScopeGuard>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QFileDialog;
class QFont;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPrinter;
class QPushButton;
class QRadioButton;
class QStatusBar;
class QTabWidget;
class QTextEdit;
class QToolBar;
class QToolButton;
class QWidget;
class EditorBefehle;
class Ergebnisprotokoll;
class SchuelerAkte;
class SilbenBefehle;
class Textbefehle;
class TForm9;
class TForm12;
class TForm17;
class TForm19;
class TFormLernverlauf;

namespace display {
struct FlashSettings;
struct KurzzeitMessung;
enum class LeseModus;
} // namespace display

// The controls are the window's own (`Hauptfensterteile`, built by app/aufbau); the helpers
// that do its commands get the few controls they work on when the window makes them.
class TForm3 : public QMainWindow, private Hauptfensterteile {
    Q_OBJECT
public:
    explicit TForm3(QWidget *parent = nullptr);
    ~TForm3() override;

    // The start commands the window keeps hidden (reading finger, syllable reading,
    // "Laufbahn alt", "español", "deutsch"), shown by the option --versteckte-befehle.
    void versteckteBefehleZeigen(bool zeigen);
    bool versteckteBefehle() const { return m_versteckteBefehle; }

    // The texts the window's state is kept in (Label6, Edit1).
    static constexpr QStringView keinText = u"kein Text geladen";
    static constexpr QStringView neuerText = u"neuer Text";
    static constexpr QStringView keinSchueler = u"kein Schüler geladen";
    // The text state, read from Label6; only a named text is recorded in the pupil file.
    enum class TextState { None, New, Named };
    TextState textState() const;
    // Whether a pupil is loaded, read from Edit1.
    bool schuelerGeladen() const;

    // Where the main window opens on a screen: 809 x 606 centred, or filling the
    // screen's free area when the window with its frame does not fit into it (a
    // projector's 800 x 600, a screen narrower than 800 pixels).
    struct Placement {
        QRect geometry; // without the frame
        bool maximized = false;
    };
    static Placement placementOn(const QRect &availableGeometry, const QMargins &frame);

    // --- Program-wide state shared with the displays and rewrite forms. The run's own
    // state (buffer, chunk, sentence, marked words) lives in its `lauf::Uebungslauf`.
    QString startverzeichnis; // ends with "/"
    bool zufallsfolge = false;

    // --- Services. The displays read their screen's colour depth themselves, and
    // nothing waits by spinning the event loop.
    void ShowTaskBar(bool show);
    // The printer every print and "Druckereinstellungen..." share; made on first use.
    QPrinter *printer();

    // --- The gliding display.
    // What the display reads from the settings dialog and this window when it starts.
    display::DisplaySettings anzeigeEinstellungen() const;
    // Whether what the pupil does now is recorded: in a first run, and in a developer's
    // try outside any run; never in a repetition.
    bool ersterLauf() const;
    // Shows one display string full screen until it closes; marked words arrive
    // through fehlerMarkieren.
    void laufbahnZeigen(const QString &anzeigeText);
    // A word marked on the display: in a run the chunk's raw word to Memo3, coloured once
    // written; outside one (a developer's try) at once, as the reading finger does.
    void fehlerMarkieren(const QString &word, int selectionStart, int selectionLength);

    // --- The word comparison (glmain_vergleich.cpp).
    // A written text against its target, with the raw forms of the chunk `teil`.
    writing::VergleichsEingabe vergleichsEingabe(const QString &geschrieben, const QString &vorlage,
                                                 const lauf::Nachschreiben &teil) const;
    // `geschrieben` compared with the target of `teil` in Form14; the result is recorded
    // when `teil` belongs to a first run.
    void vergleichen(const QString &geschrieben, const lauf::Nachschreiben &teil);
    markup::FileType dateityp() const;

    // --- The section choice in running text (glmain_auswahl.cpp).
    // One turn: TForm13 shows sentence `satzNr` of `puffer` from `abschnittEnde` on; the
    // pupil's choice (empty when none) and where the next turn goes on.
    writing::AuswahlErgebnis abschnittWaehlen(const QString &puffer, int satzNr, int abschnittEnde);
    // --- Praise (glmain_lob.cpp).
    // The program's random generator: praise lines, the praise picture and its pieces.
    QRandomGenerator zufall{QRandomGenerator::securelySeeded()};
    // ListBox4 := the praise lines of "lob.inf" in the start directory for the first name
    // in Edit2. A file that cannot be read is reported and false returned.
    bool lob_laden();
    // The praise picture chooses its picture and lays out its grid from the settings
    // now; pictures it has to skip are reported once.
    void lobBildInit();
    // The praise the settings choose for a chunk rewritten right: none, a line of
    // ListBox4, or one more piece of the picture.
    void lobZeigen();
    void lobTextZeigen();
    void lobBildZeigen();

    // --- The rewrite forms (glmain_schreiben.cpp).
    void schreibformenVerbinden(TForm9 *wort, TForm12 *gruppe);
    // What a rewrite form reads for the chunk `teil` shown as `laufbahnText`: how to show
    // it again, the comparison's raw forms, the praise.
    writing::NachschreibEingabe nachschreibEingabe(const lauf::Nachschreiben &teil,
                                                   const QString &laufbahnText) const;
    // One rewrite of `teil` (a word in Form9, a group or section in Form12) until the
    // pupil finishes or leaves; what was written and compared lands in the result texts
    // (the comparison only in a first run), and the rewrite's result is returned.
    Nachgeschrieben nachschreibenLassen(const lauf::Nachschreiben &teil,
                                        const QString &laufbahnText,
                                        const writing::DiktatEingabe &diktat = {});
    // "Show again" from a rewrite form: the chunk once more on the display it chose.
    void wiederholungZeigen(const writing::Wiederholung &wiederholung);

    // --- The exercise run (glmain_laufbahn.cpp).
    // "Laufbahn starten" and the error repetition ("Fehler wiederholen mit:" ->
    // "Laufbahn"); neither starts while a run goes on.
    void BitBtn10Click();
    void BitBtn3Click();
    // Runs the exercise buffer `puffer` chunk by chunk: a display, then a rewrite per
    // chunk. Empty when it could not start ("lob.inf" unreadable); else whether the pupil
    // finished at least one rewrite.
    std::optional<bool> laufbahn_starten(const QString &puffer, bool neueUebung);
    // The hidden starts: the text read with the reading finger or syllable by syllable
    // (`art`), or its wrong words again (`wiederholung`, which records nothing); and
    // "Laufbahn alt", the whole text glided once and then rewritten word by word.
    void lesenStarten(lauf::Art art, bool wiederholung);
    void BitBtn2Click();
    // Opens the window each step of `lauf` names until it is done, with the window's
    // commands taken away meanwhile. Every kind of run goes through here.
    lauf::Fertig laufFuehren(lauf::Uebungslauf &lauf);
    // Whether a run is going on.
    bool laufGehtVor() const { return m_lauf != nullptr; }
    // A review of `woerter` as one run, with the file type it needs for the run only:
    // the words written, or none when the praise could not be loaded.
    std::optional<QList<lauf::Geuebt>> wiederholungFuehren(const QList<lauf::Uebungswort> &woerter);

    // --- The evaluations (glmain_auswertung.cpp): "Textauswertung...",
    // "Fehlerauswertung..."; the evaluation's prints are shown in the preview over it.
    void auswertungVerbinden(TForm17 *auswertung);
    // "Lernverlauf..." (glmain_lernverlauf.cpp): the loaded pupil's progress as charts.
    void lernverlaufVerbinden(TFormLernverlauf *lernverlauf);
    // "español" and "deutsch" in the menu "Extras" (hidden commands).
    void uebersetzungVerbinden(TForm19 *uebersetzung);
    void Lernverlauf1Click();
    // "Klassenübersicht..." (glmain_klassenuebersicht.cpp): every pupil of a folder at a
    // glance, always offered; its shared words may become the editor's text.
    void Klassenuebersicht1Click();

    // --- The short-time display and the alternative gliding line (glmain_anzeige.cpp).
    // Flashes one word with Form15. `verzoegerung` stands in for
    // the setting "Verzögerung:" for this one showing, which leaves the setting alone.
    display::KurzzeitMessung kurzzeitZeigen(const QString &wort,
                                            std::optional<int> verzoegerung = {});
    // Shows a display string with TForm1 ("alternativer Laufmodus") until it closes.
    void alternativZeigen(const QString &anzeigeText);

    // --- Text state.
    // Status panel 0: 400 pixels, the text; panel 1: the pupil.
    void setStatusText(int panel, const QString &text);
    QString statusText(int panel) const;
    // The name a text is shown and recorded under: the bare file name when the file
    // lies in the start directory, else the full path.
    QString textName(const QString &path) const;
    // The file behind a text name (bare names lie in the start directory).
    QString textPath(const QString &name) const;
    // Loads a text file into Memo1 and marks it unchanged. A file that cannot be read
    // is reported and nothing changes (false). Name, status and step groups are the
    // caller's.
    bool loadText(const QString &path, bool oldFormat = false);
    // Label6 and status panel 0 name the text.
    void setCurrentText(const QString &name);
    // Step 3: GroupBox4 shown, GroupBox3 too unless "Fehleranzeige verstecken" is checked.
    void showStep3();
    void hideStep3();

    // --- Commands (saving the text is Textbefehle's, the prints Druckbefehle's).
    // "Neu" and "Öffnen..." on the exercise text.
    void neu1Click();
    void ffnen1Click();
    void Druckereinstellungen1Click();
    void Info1Click();
    void Programmende1Click();
    void zuflligeWortfolge1Click();
    void Fehlerverstecken1Click();
    void Textauswertung1Click();
    void FehlerauswertungdesaktuellenSchler1Click();
    void Memo1Change();
    void dateityp_feststellen();
    void SpeedButton7Click();
    void SpeedButton8Click();
    void Button5Click();

    // Pupil commands (glmain_schueler.cpp).
    void neu2Click();
    void ffnen2Click();
    // Loads the pupil file `pfad` as "Schüler laden" does; a file that cannot be read is
    // reported and the pupil before stays.
    void schuelerLaden(const QString &pfad);
    // A file named at start (a double click in the file manager): a pupil file (.lbs) is
    // loaded as "Schüler laden" does, any other file as a text as "Öffnen..." does.
    void dateiOeffnen(const QString &pfad);
    void ListBox1Click();
    void schueler_update();
    // Records the exercise just ended in the pupil file, when a named text and a pupil
    // are loaded: its entry and the lines of Memo3. After a Laufbahn run the new entry
    // is selected and ListBox3 shows its words; after the other kinds no entry is
    // selected, so that a correction can only reach the exercise whose words it shows.
    void uebungEintragen(pupilrecord::ExerciseKind kind);
    // Before the loaded pupil is let go (another pupil, "Textbezogen", the program's
    // end): changes whose write failed are written now; when that fails again the
    // teacher decides whether to go on without them. False: stay.
    bool confirmLeavePupil();
    // The loaded pupil's file, or empty.
    QString schuelerPfad() const;

    // Before an exercise starts on the text of `editor`: its markup checked
    // (EditorBefehle::lueckentextPruefen).
    bool lueckentextPruefen(QPlainTextEdit *editor, qsizetype laenge = -1);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void FormCreate();
    // Runs once, when the window is shown for the first time.
    void firstShow();

    void connectCommands();
    // The spaced review (app/wiederholungsstart): its row in step 3, its pupil menu entry.
    void wiederholungEinrichten();
    void klassenuebersichtEinrichten();
    // "Neu": the editor emptied after the question about unsaved changes; false when the
    // teacher keeps the text.
    bool neu();
    // "Neu" with `woerter` as the new text, a word list: each word followed by a blank.
    // False when the teacher keeps the unsaved text.
    bool alsWortliste(const QStringList &woerter);
    // Loads the text file `path` (an old DOS text when `oldFormat`) as "Öffnen..." does;
    // a file that cannot be read is reported and the text before stays.
    void textOeffnen(const QString &path, bool oldFormat);
    void setUpPupilCommands();
    // Edit1 and status panel 1 name the loaded pupil.
    void schuelerZeigen();
    // The steps of a run (glmain_laufbahn.cpp). The buffer from the part of the editor's
    // text that fits, its markup checked; a cut is noted in the status bar.
    // `teil`, when given, takes the part of the editor's text that the buffer holds.
    std::optional<QString> pufferFuellen(QPlainTextEdit *editor, markup::BufferLayout layout,
                                         QString *teil = nullptr);
    void abschnittZeigen(const lauf::Zeigen &zeigen);
    // The reading displays and the second gliding line ("Laufbahn alt").
    void lesefingerZeigen(const QString &puffer, display::LeseModus modus);
    void gleitAltZeigen(const QString &anzeigeText);
    // After a first run of the hidden starts: the result recorded (when `geuebt` or a
    // word is wrong), step 3 shown.
    void versteckteUebungEintragen(bool geuebt);
    // The file type a run of word groups (`gruppen`) or words needs, checked for the run
    // only: the type checked before comes back when the returned guard goes.
    [[nodiscard]] QScopeGuard<std::function<void()>> dateitypFuerDenLauf(bool gruppen);
    void laufErgebnisEintragen();
    // The run going on, or none.
    lauf::Uebungslauf *m_lauf = nullptr;
    bool m_versteckteBefehle = false;
    // The display string of the last chunk shown, which "show again" shows; the hidden
    // "Laufbahn alt" glides it.
    QString m_laufbahnText;
    // The file type's widths before the Spanish captions.
    std::array<int, 4> m_dateitypBreiten = {};
    // What each gliding display keeps from one showing to the next.
    display::CarriedState m_gleitStand;
    display::CarriedState m_gleitAltStand;
    QWidget *m_werkzeugleiste = nullptr;
    // Made when first used; start-up only says what they are to be.
    LazyFileDialog OpenDialog1{this, QStringLiteral("OpenDialog1")};
    LazyFileDialog OpenDialog2{this, QStringLiteral("OpenDialog2")};
    LazyFileDialog SaveDialog1{this, QStringLiteral("SaveDialog1")};

    std::unique_ptr<QPrinter> m_printer;
    SilbenBefehle *m_silben; // the editor's syllable commands (app/silbenbefehle)
    QLabel *m_statusPanels[2] = {};
    bool m_firstShowPending = true;
    // The loaded pupil file with ListBox1 and Memo2.
    SchuelerAkte *m_schueler = nullptr;
    // What a run leaves in RichEdit1, RichEdit2, Memo3 and Memo5.
    std::unique_ptr<Ergebnisprotokoll> m_ergebnis;
    // Memo1's menu and its markup check.
    EditorBefehle *m_editor = nullptr;
    Textbefehle *m_textbefehle = nullptr;
};
