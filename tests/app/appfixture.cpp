#include "tests/app/appfixture.h"

#include "app/glmain.h"
#include "tests/support/files.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace testing {

namespace {

template <class T> void finde(T *&teil, const QString &name, const QObject &fenster)
{
    teil = fenster.findChild<T *>(name);
    if (!teil)
        qWarning("The main window has no %s.", qPrintable(name));
}

} // namespace

Hauptfensterteile teileVon(const QMainWindow &fenster)
{
    Hauptfensterteile f;
    const auto finde = [&fenster](auto *&teil, const QString &name) {
        testing::finde(teil, name, fenster);
    };
    finde(f.Memo1, u"Memo1"_s);
    finde(f.PopupMenu1, u"PopupMenu1"_s);
    finde(f.Label6, u"Label6"_s);
    finde(f.Edit1, u"Edit1"_s);
    finde(f.Edit2, u"Edit2"_s);
    finde(f.StatusBar1, u"StatusBar1"_s);
    finde(f.ListBox1, u"ListBox1"_s);
    finde(f.Memo2, u"Memo2"_s);
    finde(f.Memo3, u"Memo3"_s);
    finde(f.ListBox3, u"ListBox3"_s);
    finde(f.PageControl1, u"PageControl1"_s);
    finde(f.TabSheet1, u"TabSheet1"_s);
    finde(f.TabSheet2, u"TabSheet2"_s);
    finde(f.RichEdit1, u"RichEdit1"_s);
    finde(f.RichEdit2, u"RichEdit2"_s);
    finde(f.Memo5, u"Memo5"_s);
    finde(f.ListBox4, u"ListBox4"_s);
    finde(f.RadioGroup1, u"RadioGroup1"_s);
    finde(f.RadioButton1, u"RadioButton1"_s);
    finde(f.RadioButton2, u"RadioButton2"_s);
    finde(f.RadioButton3, u"RadioButton3"_s);
    finde(f.Image1, u"Image1"_s);
    finde(f.Image2, u"Image2"_s);
    finde(f.Label7, u"Label7"_s);
    finde(f.Label8, u"Label8"_s);
    finde(f.Label1, u"Label1"_s);
    finde(f.Label4, u"Label4"_s);
    finde(f.Label5, u"Label5"_s);
    finde(f.GroupBox1, u"GroupBox1"_s);
    finde(f.GroupBox2, u"GroupBox2"_s);
    finde(f.GroupBox3, u"GroupBox3"_s);
    finde(f.GroupBox4, u"GroupBox4"_s);
    finde(f.GroupBox5, u"GroupBox5"_s);
    finde(f.Button2, u"Button2"_s);
    finde(f.Button3, u"Button3"_s);
    finde(f.Button5, u"Button5"_s);
    finde(f.BitBtn10, u"BitBtn10"_s);
    finde(f.BitBtn8, u"BitBtn8"_s);
    finde(f.BitBtn1, u"BitBtn1"_s);
    finde(f.BitBtn5, u"BitBtn5"_s);
    finde(f.BitBtn2, u"BitBtn2"_s);
    finde(f.BitBtn3, u"BitBtn3"_s);
    finde(f.BitBtn4, u"BitBtn4"_s);
    finde(f.BitBtn6, u"BitBtn6"_s);
    finde(f.SpeedButton1, u"SpeedButton1"_s);
    finde(f.SpeedButton2, u"SpeedButton2"_s);
    finde(f.SpeedButton3, u"SpeedButton3"_s);
    finde(f.SpeedButton4, u"SpeedButton4"_s);
    finde(f.SpeedButton5, u"SpeedButton5"_s);
    finde(f.SpeedButton6, u"SpeedButton6"_s);
    finde(f.SpeedButton7, u"SpeedButton7"_s);
    finde(f.SpeedButton8, u"SpeedButton8"_s);
    finde(f.SpeedButton9, u"SpeedButton9"_s);
    finde(f.Datei1, u"Datei1"_s);
    finde(f.Optionen1, u"Optionen1"_s);
    finde(f.Lernverlauf1, u"Lernverlauf1"_s);
    finde(f.Optionen2, u"Optionen2"_s);
    finde(f.Extras1, u"Extras1"_s);
    finde(f.neu1, u"neu1"_s);
    finde(f.ffnen1, u"ffnen1"_s);
    finde(f.speichern1, u"speichern1"_s);
    finde(f.speichernunter1, u"speichernunter1"_s);
    finde(f.drucken1, u"drucken1"_s);
    finde(f.Druckereinstellungen1, u"Druckereinstellungen1"_s);
    finde(f.Info1, u"Info1"_s);
    finde(f.Programmende1, u"Programmende1"_s);
    finde(f.neu2, u"neu2"_s);
    finde(f.ffnen2, u"ffnen2"_s);
    finde(f.zuflligeWortfolge1, u"zuflligeWortfolge1"_s);
    finde(f.Fehlerverstecken1, u"Fehlerverstecken1"_s);
    finde(f.Sonderzeichennichtdrucken1, u"Sonderzeichennichtdrucken1"_s);
    finde(f.alternativerLaufmodus1, u"alternativerLaufmodus1"_s);
    finde(f.alleTextedrucken1, u"alleTextedrucken1"_s);
    finde(f.Textauswertung1, u"Textauswertung1"_s);
    finde(f.FehlerauswertungdesaktuellenSchler1, u"FehlerauswertungdesaktuellenSchler1"_s);
    finde(f.N5, u"N5"_s);
    finde(f.Translate1, u"Translate1"_s);
    finde(f.deutsch1, u"deutsch1"_s);
    return f;
}

AppFixture::AppFixture() = default;

AppFixture::~AppFixture()
{
    stop();
}

bool AppFixture::start()
{
    if (!enterStartDir() || !copyShippedSettings())
        return false;
    createApp();
    return showMainWindow();
}

bool AppFixture::enterStartDir()
{
    dir_ = std::make_unique<QTemporaryDir>();
    if (!dir_->isValid())
        return false;
    previousDir_ = QDir::currentPath();
    return QDir::setCurrent(dir_->path());
}

bool AppFixture::copyShippedSettings()
{
    return QFile::copy(shippedFile(u"default.opt"_s), path(u"default.opt"_s));
}

void AppFixture::createApp()
{
    app_ = std::make_unique<LaufbahnApp>();
    form = app_->Form3.get();
    ui = teileVon(*form);
}

bool AppFixture::showMainWindow()
{
    form->show();
    return QTest::qWaitForWindowExposed(form);
}

void AppFixture::stop()
{
    form = nullptr;
    ui = {};
    app_.reset();
    if (!previousDir_.isEmpty())
        QDir::setCurrent(previousDir_);
    previousDir_.clear();
    dir_.reset();
}

QString AppFixture::startDir() const
{
    return dir_->path();
}

QString AppFixture::path(const QString &name) const
{
    return dir_->filePath(name);
}

void AppFixture::writeFile(const QString &name, const QByteArray &bytes) const
{
    QVERIFY(QDir().mkpath(QFileInfo(path(name)).path()));
    writeBytes(path(name), bytes);
}

QByteArray AppFixture::readFile(const QString &name) const
{
    return fileBytes(path(name));
}

} // namespace testing
