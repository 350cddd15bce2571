#include "bench/bench_laufstart.h"

#include "app/glmain.h"
#include "app/laufbahnapp.h"
#include "settings/ui/einstell.h"
#include "settings/ui/zusatzseite.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// Notes when the first modal window of the run shows, and leaves every one with Esc, as
// a pupil who stops at once.
class ErstesFenster : public QObject {
public:
    explicit ErstesFenster(const QElapsedTimer &uhr) : m_uhr(uhr)
    {
        qApp->installEventFilter(this);
    }
    ~ErstesFenster() override { qApp->removeEventFilter(this); }
    std::optional<double> ms;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *w = qobject_cast<QWidget *>(watched);
        if (event->type() != QEvent::Show || !w || !w->isWindow() || !w->isModal())
            return false;
        if (!ms)
            ms = double(m_uhr.nsecsElapsed()) / 1e6;
        QTimer::singleShot(50, w, [w] {
            QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(w, &esc);
        });
        return false;
    }

private:
    const QElapsedTimer &m_uhr;
};

void warten(int ms)
{
    QElapsedTimer uhr;
    uhr.start();
    while (uhr.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

} // namespace

int runLaufstart(const QString &art)
{
    QTemporaryDir ordner;
    const QString daten = QStringLiteral(LAUFBAHN_DATA_DIR) + u'/';
    for (const QString &datei : {u"default.opt"_s, u"lob.inf"_s}) {
        if (!QFile::copy(daten + datei, ordner.filePath(datei)))
            return 1;
    }
    const QString vorher = QDir::currentPath();
    QDir::setCurrent(ordner.path());
    int result = 1;
    {
        QElapsedTimer uhr;
        uhr.start();
        LaufbahnApp app;
        TForm3 &form = *app.Form3;
        form.show();
        // The first paint loads the settings; the teacher then switches the setting on
        // and closes the dialog, which brings the main window to the front.
        warten(100);
        settings::Zusatzeinstellungen werte = app.Form10->Zusatz->werte();
        werte.diktat.vorlesen = art == u"diktat";
        werte.silben.farbig = art == u"silben";
        app.Form10->Zusatz->setzen(werte);
        QEvent aktiv(QEvent::WindowActivate);
        QApplication::sendEvent(&form, &aktiv);
        form.findChild<QPlainTextEdit *>(u"Memo1"_s)->setPlainText(u"Hund Katze Maus"_s);

        ErstesFenster erstes(uhr);
        uhr.restart();
        QTimer::singleShot(0, &form, [&form] { form.findChild<QPushButton *>(u"BitBtn10"_s)->click(); });
        warten(0);
        while (!erstes.ms && uhr.elapsed() < 30000)
            warten(10);
        if (erstes.ms) {
            QTextStream(stdout) << "laufstart_" << art << "_ms "
                                << QString::number(*erstes.ms, 'g', 5) << Qt::endl;
            result = 0;
        }
        // The run ends as every window is left.
        warten(1000);
    }
    QDir::setCurrent(vorher);
    return result;
}
