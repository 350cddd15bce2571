#include "app/laufbahnapp.h"

#include "app/diktatlauf.h"
#include "app/glmain.h"
#include "app/info.h"
#include "app/leer.h"
#include "app/translate.h"
#include "app/ws_black.h"
#include "display/ui/kuzzeit.h"
#include "exercise/ui/neuschueler.h"
#include "exercise/ui/textedrucken.h"
#include "settings/ui/einstell.h"
#include "settings/ui/fehler.h"
#include "settings/ui/lernverlauf.h"
#include "settings/ui/schrift.h"
#include "writing/ui/auswahl.h"
#include "writing/ui/lob.h"
#include "writing/ui/lob2.h"
#include "writing/ui/schreib1.h"
#include "writing/ui/schreib2.h"
#include "writing/ui/vergleich.h"
#include "writing/ui/vorleser.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QPixmap>

using namespace Qt::StringLiterals;

namespace {
LaufbahnApp *instance = nullptr;
}

LaufbahnApp::LaufbahnApp()
{
    Q_ASSERT(!instance);
    instance = this;
    QApplication::setApplicationName(u"Laufbahn"_s);
    QApplication::setApplicationVersion(QStringLiteral(LAUFBAHN_VERSION));
    // No display name: Qt would append it to every window's title.
    QApplication::setWindowIcon(QIcon(programLogo()));

    vorleser = std::make_unique<Vorleser>();
    Form3 = std::make_unique<TForm3>();
    Form10 = std::make_unique<TForm10>(Form3.get());
    Form2 = std::make_unique<TForm2>(Form3.get());
    Form5 = std::make_unique<TForm5>(Form10.get());
    Form10->setFontDialog(Form5.get());
    Form7 = std::make_unique<TForm7>(Form3.get());
    Form8 = std::make_unique<TForm8>(Form3.get());
    Form9 = std::make_unique<TForm9>(Form3.get());
    Form11 = std::make_unique<TForm11>(Form3.get());
    Form12 = std::make_unique<TForm12>(Form3.get());
    Form3->schreibformenVerbinden(Form9.get(), Form12.get());
    Form13 = std::make_unique<TForm13>(Form3.get());
    Form14 = std::make_unique<TForm14>(Form3.get());
    Form15 = std::make_unique<TForm15>(Form3.get());
    Form16 = std::make_unique<TForm16>(Form3.get());
    for (Nachschreiben *form :
         {static_cast<Nachschreiben *>(Form9.get()), static_cast<Nachschreiben *>(Form12.get())}) {
        form->setVergleichsform(Form14.get());
        form->setLobformen(Form11.get(), Form16.get(), &Form3->zufall);
        form->setVorleser(vorleser.get());
    }
    Form17 = std::make_unique<TForm17>(Form3.get());
    Form3->auswertungVerbinden(Form17.get());
    Form18 = std::make_unique<TForm18>();
    FormLernverlauf = std::make_unique<TFormLernverlauf>(Form3.get());
    Form3->lernverlaufVerbinden(FormLernverlauf.get());
    Form_black = std::make_unique<TForm_black>();
    Form19 = std::make_unique<TForm19>(*Form3, *Form10, *Form7);
    Form3->uebersetzungVerbinden(Form19.get());
    diktatVorbereiten(*Form3);
}

LaufbahnApp::~LaufbahnApp()
{
    Form19.reset();
    Form_black.reset();
    FormLernverlauf.reset();
    Form18.reset();
    Form17.reset();
    Form16.reset();
    Form15.reset();
    Form14.reset();
    Form13.reset();
    Form12.reset();
    Form11.reset();
    Form9.reset();
    Form8.reset();
    Form7.reset();
    Form5.reset();
    Form2.reset();
    Form10.reset();
    Form3.reset();
    vorleser.reset();
    instance = nullptr;
}

LaufbahnApp &laufbahn()
{
    Q_ASSERT(instance);
    return *instance;
}
