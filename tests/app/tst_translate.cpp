#include "app/glmain.h"
#include "app/info.h"
#include "app/laufbahnapp.h"
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
#include "settings/ui/settingwidgets.h"
#include "tests/app/appfixture.h"
#include "writing/ui/auswahl.h"
#include "writing/ui/lob.h"
#include "writing/ui/lob2.h"
#include "writing/ui/schreib1.h"
#include "writing/ui/schreib2.h"
#include "writing/ui/vergleich.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTabWidget>
#include <QTest>
#include <QTranslator>
#include <array>
#include <functional>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// Everything a language switch could change on one object, by property.
using Stand = QMap<QString, QString>;

Stand standVon(QObject *object)
{
    Stand stand;
    if (auto *action = qobject_cast<QAction *>(object)) {
        if (action->menu()) // its menu's title
            return stand;
        stand[u"text"_s] = action->text();
        stand[u"visible"_s] = QString::number(action->isVisible());
        return stand;
    }
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return stand;
    if (widget->isWindow()) {
        stand[u"caption"_s] = widget->windowTitle();
        stand[u"size"_s] = u"%1x%2"_s.arg(widget->width()).arg(widget->height());
    }
    if (auto *label = qobject_cast<QLabel *>(widget))
        stand[u"caption"_s] = label->text();
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        stand[u"caption"_s] = button->text();
    if (auto *group = qobject_cast<QGroupBox *>(widget))
        stand[u"caption"_s] = group->title();
    if (auto *menu = qobject_cast<QMenu *>(widget))
        stand[u"caption"_s] = menu->title();
    if (auto *label = qobject_cast<FontLabel *>(widget))
        stand[u"caption"_s] = label->caption();
    if (auto *tabs = qobject_cast<QTabWidget *>(
            widget->parentWidget() ? widget->parentWidget()->parentWidget() : nullptr);
        tabs && tabs->indexOf(widget) >= 0)
        stand[u"caption"_s] = tabs->tabText(tabs->indexOf(widget));
    if (auto *group = qobject_cast<RadioGroup *>(widget))
        for (int i = 0; i < group->count(); ++i)
            stand[u"item%1"_s.arg(i)] = group->button(i)->text();
    stand[u"hint"_s] = widget->toolTip();
    // A hidden widget is laid out only when shown: its width then is not yet its own.
    stand[u"width"_s] =
        widget->minimumWidth() == widget->maximumWidth()
            ? QString::number(widget->minimumWidth())
            : u"%1..%2"_s.arg(widget->minimumWidth()).arg(widget->maximumWidth()) +
                  (widget->isVisible() ? u" (%1)"_s.arg(widget->width()) : QString());
    stand[u"hidden"_s] = QString::number(widget->isHidden());
    return stand;
}

using Zuweisung = std::array<const char16_t *, 4>;

// The Spanish captions: form, object (none: the form itself), property, value.
const std::vector<Zuweisung> &zuweisungen()
{
    static const std::vector<Zuweisung> liste = {
        {u"TForm3", u"Datei1", u"caption", u"Archivo"},
        {u"TForm3", u"neu1", u"text", u"Nuevo"},
        {u"TForm3", u"ffnen1", u"text", u"Abrir..."},
        {u"TForm3", u"speichern1", u"text", u"Guardar"},
        {u"TForm3", u"speichernunter1", u"text", u"Guardar como..."},
        {u"TForm3", u"drucken1", u"text", u"Imprimir"},
        {u"TForm3", u"Druckereinstellungen1", u"text", u"Configurar impresión..."},
        {u"TForm3", u"Info1", u"text", u"Información..."},
        {u"TForm3", u"Programmende1", u"text", u"Salir"},
        {u"TForm3", u"Optionen1", u"caption", u"Estudiante"},
        {u"TForm3", u"neu2", u"text", u"Nuevo..."},
        {u"TForm3", u"ffnen2", u"text", u"Abrir..."},
        {u"TForm3", u"Optionen2", u"caption", u"Opciones"},
        {u"TForm3", u"zuflligeWortfolge1", u"text", u"secuencia al azar"},
        {u"TForm3", u"Fehlerverstecken1", u"text", u"esconder errores"},
        {u"TForm3", u"Sonderzeichennichtdrucken1", u"text", u"no imprimir signos especiales"},
        {u"TForm3", u"Extras1", u"caption", u"Extras"},
        {u"TForm3", u"alleTextedrucken1", u"text", u"Imprimir todos los textos"},
        {u"TForm3", u"Textauswertung1", u"text", u"Análisis de texto (aleman)"},
        {u"TForm3", u"FehlerauswertungdesaktuellenSchler1", u"text",
         u"Análisis de las faltas (aleman)"},
        {u"TForm3", u"GroupBox2", u"caption", u"1. paso: abrir/diseñar ejercicio "},
        {u"TForm3", u"GroupBox1", u"caption", u"2. paso: iniciar ejercicio"},
        {u"TForm3", u"GroupBox3", u"caption", u"3. paso: ver faltas"},
        {u"TForm3", u"Label5", u"caption", u"ejercicios antiguos del estudiante"},
        {u"TForm3", u"RadioGroup1", u"caption", u"tipo de ejercicio"},
        {u"TForm3", u"GroupBox5", u"caption", u"nombre del estudiante"},
        {u"TForm3", u"Label1", u"caption", u"registro opcional"},
        {u"TForm3", u"TabSheet1", u"caption", u"texto original"},
        {u"TForm3", u"TabSheet2", u"caption", u"texto escrito"},
        {u"TForm3", u"Button2", u"caption", u"abrir estudiante"},
        {u"TForm3", u"Button3", u"caption", u"nuevo estud."},
        {u"TForm3", u"Button5", u"caption", u"solo texto"},
        {u"TForm3", u"BitBtn10", u"caption", u"salir cinta rodante"},
        {u"TForm3", u"BitBtn8", u"caption", u"regulaciones..."},
        {u"TForm3", u"RadioButton1", u"caption", u"palabras"},
        {u"TForm3", u"RadioButton2", u"caption", u"grupos de palabras"},
        {u"TForm3", u"RadioButton2", u"width", u"160"},
        {u"TForm3", u"RadioGroup1", u"width", u"180"},
        {u"TForm3", u"RadioButton3", u"caption", u"texto"},
        {u"TForm3", u"Label4", u"caption", u"repetir faltas con"},
        {u"TForm3", u"BitBtn3", u"caption", u"cinta rodante"},
        {u"TForm3", u"SpeedButton2", u"hint", u"abrir texto"},
        {u"TForm3", u"SpeedButton1", u"hint", u"nuevo"},
        {u"TForm3", u"SpeedButton3", u"hint", u"guardar"},
        {u"TForm3", u"SpeedButton4", u"hint", u"imprimir"},
        {u"TForm10", u"", u"caption", u"Regulaciónes"},
        {u"TForm10", u"TabSheet2", u"caption", u"Reacción en faltas"},
        {u"TForm10", u"TabSheet4", u"caption", u"Selección"},
        {u"TForm10", u"TabSheet1", u"caption", u"Cinta rodante"},
        {u"TForm10", u"TabSheet3", u"caption", u"re-escribir"},
        {u"TForm10", u"TabSheet5", u"caption", u"varios"},
        {u"TForm10", u"RadioGroup1", u"caption", u"Reacción en faltas"},
        {u"TForm10", u"RadioButton1", u"caption",
         u"ninguna reacción inmediata - revisión con puntero"},
        {u"TForm10", u"RadioButton2", u"caption", u"no aceptar faltas"},
        {u"TForm10", u"RadioButton3", u"caption", u"marcar letras incorrectas"},
        {u"TForm10", u"RadioButton4", u"caption", u"colorear la palabra en rojo"},
        {u"TForm10", u"RadioButton5", u"caption", u"colorear el fondo en rojo"},
        {u"TForm10", u"RadioButton6", u"caption", u"ninguna reacción"},
        {u"TForm10", u"RadioButton7", u"caption", u"borrar la palabra"},
        {u"TForm10", u"RadioGroup2", u"caption", u"Alabanza"},
        {u"TForm10", u"RadioGroup2", u"item0", u"ninguna alabanza"},
        {u"TForm10", u"RadioGroup2", u"item1", u"texto de alabanza"},
        {u"TForm10", u"RadioGroup2", u"item2", u"imagen"},
        {u"TForm10", u"RadioGroup3", u"caption", u"elementos de imagen"},
        {u"TForm10", u"GroupBox1", u"caption", u"Palabras"},
        {u"TForm10", u"GroupBox3", u"caption", u"Texto"},
        {u"TForm10", u"Label6", u"caption", u"Cantidad de palabras"},
        {u"TForm10", u"Label14", u"caption", u"Tipo escritura"},
        {u"TForm10", u"Label15", u"caption", u"Color selección"},
        {u"TForm10", u"BitBtn2", u"caption", u"guardar"},
        {u"TForm10", u"BitBtn3", u"caption", u"abrir"},
        {u"TForm10", u"GroupBox5", u"caption", u"Regulaciones para cinta rodarse"},
        {u"TForm10", u"Label3", u"caption", u"Velocidad"},
        {u"TForm10", u"Label2", u"caption", u"Distancia"},
        {u"TForm10", u"Label5", u"caption", u"Velocidad puntero"},
        {u"TForm10", u"Label10", u"caption", u"Color puntero"},
        {u"TForm10", u"Label11", u"caption", u"Color faltas"},
        {u"TForm10", u"Label4", u"caption", u"Tipo escritura"},
        {u"TForm10", u"Label7", u"caption", u"Tipo escritura"},
        {u"TForm10", u"Label13", u"caption", u"Color faltas"},
        {u"TForm10", u"Label12", u"caption", u"Color comparación"},
        {u"TForm10", u"GroupBox4", u"caption", u"Comparación"},
        {u"TForm10", u"CheckBox2", u"caption", u"ninguna comparación (dictado)"},
        {u"TForm10", u"CheckBox3", u"caption", u"guardar todo el groupo de palabras como falta"},
        {u"TForm10", u"GroupBox6", u"caption", u"representación de palabras corta"},
        {u"TForm10", u"CheckBox1", u"caption", u"usar representación de palabras corta"},
        {u"TForm10", u"Label16", u"caption", u"Demora"},
        {u"TForm10", u"Label1", u"caption", u"Tipo escritura"},
        {u"TForm10", u"GroupBox2", u"caption", u"Signos que faltan / Pregunta y Respuesta"},
        {u"TForm10", u"Label8", u"caption", u"Signos para letras que faltan"},
        {u"TForm10", u"Label9", u"caption", u"Signos para sílabas que faltan        "},
        {u"TForm12", u"", u"caption", u"re-escribir"},
        {u"TForm12", u"SpeedButton1", u"caption", u"listo"},
        {u"TForm12", u"Label2", u"caption",
         u"Si has encontrado algún error, lo puedes corregir ahora"},
        {u"TForm9", u"", u"caption", u"re-escribir"},
        {u"TForm9", u"SpeedButton1", u"caption", u"listo"},
        {u"TForm9", u"Label2", u"caption",
         u"Si has encontrado algún error, lo puedes corregir ahora"},
        {u"TForm13", u"", u"caption", u"Escoger una parte del texto"},
        {u"TForm15", u"Label2", u"caption", u"¡atención!"},
        {u"TForm11", u"", u"caption", u"Muy Bien!!"},
        {u"TForm16", u"Button1", u"caption", u"listo"},
        {u"TForm14", u"", u"caption", u"Comparación"},
        {u"TForm14", u"SpeedButton1", u"caption", u"listo"},
        {u"TForm8", u"", u"caption", u"Imprimir todos los textos"},
        {u"TForm8", u"Label1", u"caption", u"Ruta de archivo:"},
        {u"TForm8", u"BitBtn1", u"caption", u"Imprimir"},
        {u"TForm8", u"BitBtn2", u"caption", u"Cancelar"},
        {u"TForm5", u"", u"caption", u"Escritura"},
        {u"TForm5", u"CheckBox1", u"caption", u"Negrita"},
        {u"TForm5", u"RadioGroup1", u"caption", u"Colores"},
        {u"TForm5", u"RadioButton1", u"caption", u"blanco sobre negro"},
        {u"TForm5", u"RadioButton2", u"caption", u"amarillo sobre azul"},
        {u"TForm5", u"RadioButton3", u"caption", u"rojo sobre negro"},
        {u"TForm5", u"RadioButton4", u"caption", u"blanco sobre verde"},
        {u"TForm5", u"RadioButton5", u"caption", u"amarillo sobre rojo"},
    };
    return liste;
}

// The keys whose values differ, each with both values.
QString unterschiede(const QMap<QString, QString> &vorher, const QMap<QString, QString> &nachher)
{
    QStringList liste;
    for (auto it = vorher.cbegin(); it != vorher.cend(); ++it)
        if (!nachher.contains(it.key()) || nachher.value(it.key()) != it.value())
            liste << it.key() + u": "_s + it.value() + u" -> "_s + nachher.value(it.key());
    if (nachher.size() != vorher.size())
        liste << u"other objects"_s;
    return liste.join(u"\n"_s);
}

} // namespace

class TestTranslate : public QObject, protected testing::AppFixture {
    Q_OBJECT

    // The program's forms by class name, each with the objects it owns (a dialog made
    // with the main window as parent is its own form, not part of the main window).
    QMap<QString, QWidget *> formen() const
    {
        LaufbahnApp &a = app();
        return {
            {u"TForm3"_s, a.Form3.get()},          {u"TForm10"_s, a.Form10.get()},
            {u"TForm2"_s, a.Form2.get()},          {u"TForm5"_s, a.Form5.get()},
            {u"TForm7"_s, a.Form7.get()},          {u"TForm8"_s, a.Form8.get()},
            {u"TForm9"_s, a.Form9.get()},          {u"TForm11"_s, a.Form11.get()},
            {u"TForm12"_s, a.Form12.get()},        {u"TForm13"_s, a.Form13.get()},
            {u"TForm14"_s, a.Form14.get()},        {u"TForm15"_s, a.Form15.get()},
            {u"TForm16"_s, a.Form16.get()},        {u"TForm17"_s, a.Form17.get()},
            {u"TForm18"_s, a.Form18.get()},        {u"TFormLernverlauf"_s, a.FormLernverlauf.get()},
            {u"TForm_black"_s, a.Form_black.get()}};
    }

    QWidget *formVon(QObject *object) const
    {
        const QList<QWidget *> alle = formen().values();
        for (QObject *o = object; o; o = o->parent())
            if (auto *w = qobject_cast<QWidget *>(o); w && alle.contains(w))
                return w;
        return nullptr;
    }

    QObject *finden(const QString &formName, const QString &name) const
    {
        QWidget *gesucht = formen().value(formName);
        if (!gesucht || name.isEmpty())
            return gesucht;
        for (QObject *object : gesucht->findChildren<QObject *>(name))
            if (formVon(object) == gesucht)
                return object;
        return nullptr;
    }

    // Every property of every object of every form, keyed by form, object and property.
    QMap<QString, QString> alles() const
    {
        QMap<QString, QString> ergebnis;
        const auto formList = formen();
        for (auto it = formList.cbegin(); it != formList.cend(); ++it) {
            QList<QObject *> objekte = it.value()->findChildren<QObject *>();
            objekte.prepend(it.value());
            for (QObject *object : objekte) {
                if (formVon(object) != it.value())
                    continue;
                // The form itself has no name in the list; the address tells apart
                // objects of one name.
                const QString name = object == it.value() ? QString() : object->objectName();
                const QString wo = u"%1|%2|%3"_s.arg(quintptr(object), 0, 16).arg(it.key(), name);
                const Stand stand = standVon(object);
                for (auto p = stand.cbegin(); p != stand.cend(); ++p)
                    ergebnis[wo + u'|' + p.key()] = p.value();
            }
        }
        return ergebnis;
    }

    // Lays the windows out, as far as one change of layout leads to another.
    static void layoutsSetzen()
    {
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
    }

    TForm19 &form19() const { return *app().Form19; }

private slots:
    void init() { QVERIFY(start()); }
    void cleanup() { stop(); }

    // Each caption of the list, found by its form and name after "español".
    void assignments_data();
    void assignments();
    // "español", a second "español" and "deutsch": only the listed captions change, and
    // everything comes back as it was.
    void switchAndBack();
    // A form made after "español" starts with the Spanish captions of the list.
    void formsMadeAfterTheSwitch();
    // The entries are hidden in a normal start and shown with the hidden commands.
    void entriesShownWithHiddenCommands();
};

void TestTranslate::assignments_data()
{
    QTest::addColumn<QString>("formName");
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("value");
    for (const auto &z : zuweisungen()) {
        const QString formName = QString::fromUtf16(z[0]), object = QString::fromUtf16(z[1]),
                      property = QString::fromUtf16(z[2]);
        QTest::addRow("%s %s %s", qPrintable(formName), qPrintable(object), qPrintable(property))
            << formName << object << property << QString::fromUtf16(z[3]);
    }
}

void TestTranslate::assignments()
{
    QFETCH(QString, formName);
    QFETCH(QString, object);
    QFETCH(QString, property);
    QFETCH(QString, value);
    form19().translatetoespanol();
    QObject *gefunden = finden(formName, object);
    QVERIFY2(gefunden, qPrintable(object));
    const Stand stand = standVon(gefunden);
    QVERIFY(stand.contains(property));
    QCOMPARE(stand.value(property), value);
}

void TestTranslate::switchAndBack()
{
    // The steps as after a run, so that their widths are laid out.
    for (QWidget *schritt : {ui.GroupBox1, ui.GroupBox3, ui.GroupBox4})
        schritt->show();
    layoutsSetzen();
    const QMap<QString, QString> amAnfang = alles();
    const QString titel = form->windowTitle();
    QVERIFY(titel.startsWith(u"Laufbahn "_s));
    app().Form10->RadioGroup2->setItemIndex(2);
    const auto deutscheQtTexte = [] {
        return QCoreApplication::translate("QFileDialog", "Look in:");
    };
    const QString qtDeutsch = deutscheQtTexte();

    form19().translatetoespanol();
    layoutsSetzen();
    const QMap<QString, QString> spanisch = alles();
    QCOMPARE(form->windowTitle(), u"Cinta rodante"_s + titel.mid(8));
    QCOMPARE(app().Form7->Label1->text(), u"Cinta rodante II"_s);
    QVERIFY(app().Form7->Label4->isHidden());
    QCOMPARE(app().Form10->RadioGroup2->count(), 3);
    QCOMPARE(app().Form10->RadioGroup2->itemIndex(), 2);
    QStringList seiten;
    for (int i = 0; i < 5; ++i)
        seiten << app().Form10->PageControl1->tabText(i);
    QCOMPARE(seiten, (QStringList{u"Reacción en faltas"_s, u"Selección"_s, u"Cinta rodante"_s,
                                  u"re-escribir"_s, u"varios"_s}));
    // What the program compares with captions, its status texts and its message box
    // titles stay German.
    QCOMPARE(ui.Label6->text(), TForm3::keinText.toString());
    QCOMPARE(ui.Edit1->text(), TForm3::keinSchueler.toString());
    // Qt's own dialogs speak Spanish where Qt's Spanish texts are installed.
    QTranslator qtSpanisch;
    if (qtSpanisch.load(u"qtbase_es"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCOMPARE(deutscheQtTexte(), qtSpanisch.translate("QFileDialog", "Look in:"));

    // Only the listed captions change, the about box and the settings dialog's size:
    // nothing else of any form, nothing at all of the forms the list leaves out (the
    // evaluation, the new-pupil dialog, the display forms). Widths follow the captions,
    // so only the listed are compared.
    QSet<QString> liste{u"TForm3||caption"_s,       u"TForm7||caption"_s,
                        u"TForm7|Label1|caption"_s, u"TForm7|Label2|caption"_s,
                        u"TForm7|Label3|caption"_s, u"TForm7|Label4|caption"_s,
                        u"TForm7|Label5|caption"_s, u"TForm10||size"_s};
    for (const auto &z : zuweisungen())
        liste.insert(QStringList{QString::fromUtf16(z[0]), QString::fromUtf16(z[1]),
                                 QString::fromUtf16(z[2])}
                         .join(u'|'));
    QSet<QString> geaendert;
    for (auto it = amAnfang.cbegin(); it != amAnfang.cend(); ++it) {
        const QString wo = it.key().section(u'|', 1);
        if (spanisch.value(it.key()) != it.value() && !wo.endsWith(u"|hidden"_s) &&
            (!wo.endsWith(u"|width"_s) || liste.contains(wo)))
            geaendert.insert(wo);
    }
    const QStringList unerwartet = QSet(geaendert).subtract(liste).values();
    const QStringList fehlend = QSet(liste).subtract(geaendert).values();
    QVERIFY2(unerwartet.isEmpty(), qPrintable(unerwartet.join(u", "_s)));
    QVERIFY2(fehlend.isEmpty(), qPrintable(fehlend.join(u", "_s)));

    // A second "español" changes nothing, the caption keeps its one "Cinta rodante".
    form19().translatetoespanol();
    layoutsSetzen();
    QVERIFY2(unterschiede(spanisch, alles()).isEmpty(),
             qPrintable(unterschiede(spanisch, alles())));
    QCOMPARE(form->windowTitle(), u"Cinta rodante"_s + titel.mid(8));

    form19().translatetodeutsch();
    layoutsSetzen();
    const QString zurueck = unterschiede(amAnfang, alles());
    QVERIFY2(zurueck.isEmpty(), qPrintable(zurueck));
    QCOMPARE(form->windowTitle(), titel);
    QCOMPARE(deutscheQtTexte(), qtDeutsch);
}

void TestTranslate::formsMadeAfterTheSwitch()
{
    form19().translatetoespanol();
    const std::pair<const char16_t *, std::function<QWidget *()>> machen[] = {
        {u"TForm5", [] { return new TForm5; }},   {u"TForm8", [] { return new TForm8; }},
        {u"TForm9", [] { return new TForm9; }},   {u"TForm10", [] { return new TForm10; }},
        {u"TForm11", [] { return new TForm11; }}, {u"TForm12", [] { return new TForm12; }},
        {u"TForm13", [] { return new TForm13; }}, {u"TForm14", [] { return new TForm14; }},
        {u"TForm15", [] { return new TForm15; }}, {u"TForm16", [] { return new TForm16; }},
    };
    for (const auto &[formName, neu] : machen) {
        const std::unique_ptr<QWidget> gemacht(neu());
        int geprueft = 0;
        for (const auto &[name, objekt, eigenschaft, wert] : zuweisungen()) {
            if (QStringView(name) != formName)
                continue;
            QObject *gefunden =
                *objekt ? gemacht->findChild<QObject *>(QString::fromUtf16(objekt)) : gemacht.get();
            QVERIFY2(gefunden, qPrintable(QString::fromUtf16(objekt)));
            QCOMPARE(standVon(gefunden).value(QString::fromUtf16(eigenschaft)),
                     QString::fromUtf16(wert));
            ++geprueft;
        }
        QVERIFY2(geprueft > 0, qPrintable(QString::fromUtf16(formName)));
    }
    QCOMPARE(TForm7().Label1->text(), u"Cinta rodante II"_s);
}

void TestTranslate::entriesShownWithHiddenCommands()
{
    for (QAction *entry : {ui.Translate1, ui.deutsch1})
        QVERIFY(!entry->isVisible() && entry->shortcut().isEmpty());
    form->versteckteBefehleZeigen(true);
    for (QAction *entry : {ui.N5, ui.Translate1, ui.deutsch1})
        QVERIFY(entry->isVisible());

    // The menu entries do the switch.
    ui.Translate1->trigger();
    QCOMPARE(ui.BitBtn3->text(), u"cinta rodante"_s);
    ui.deutsch1->trigger();
    QCOMPARE(ui.BitBtn3->text(), u"Laufbahn"_s);
}

QTEST_MAIN(TestTranslate)
#include "tst_translate.moc"
