#include "exercise/ui/neuschueler.h"

#include "exercise/core/fileio.h"
#include "exercise/ui/messages.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TForm2::TForm2(QWidget *parent)
    : QDialog(parent), Label1(new QLabel(u"Namen des Schülers eingeben:"_s, this)),
      Edit1(new QLineEdit(this)), Button1(new QPushButton(u"Schüler anlegen"_s, this)),
      Button2(new QPushButton(u"Abbrechen"_s, this))
{
    setObjectName(u"TForm2"_s);
    Label1->setObjectName(u"Label1"_s);
    Edit1->setObjectName(u"Edit1"_s);
    Button1->setObjectName(u"Button1"_s);
    Button2->setObjectName(u"Button2"_s);
    setWindowTitle(u"neuer Schüler"_s);
    setFixedSize(315, 152);
    Label1->setBuddy(Edit1);
    Button1->setDefault(true);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Edit1);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, [this] { done(AbortResult); });
}

void TForm2::keyPressEvent(QKeyEvent *event)
{
    // Escape is the abort button's key, not a silent "Schüler anlegen".
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        done(AbortResult);
        return;
    }
    QDialog::keyPressEvent(event);
}

void TForm2::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    const QScreen *screen =
        parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    Edit1->setFocus();
}

std::optional<pupilrecord::PupilFile> TForm2::schuelerAnlegen(const QString &startverzeichnis)
{
    Edit1->clear();
    if (exec() == AbortResult)
        return std::nullopt;

    QWidget *owner = parentWidget();
    const QString name = Edit1->text();
    QString problem;
    const std::optional<QString> path = pupilrecord::filePathFor(startverzeichnis, name, &problem);
    if (!path) {
        showWarning(owner, problem);
        return std::nullopt;
    }
    if (pupilrecord::fileExists(*path) && !confirmOverwritePupilFile(owner))
        return std::nullopt;

    pupilrecord::CreatedFile created = pupilrecord::PupilFile::create(*path, name);
    if (!created.file)
        showWriteError(owner, created.written, WrittenFile::PupilRecord);
    return std::move(created.file);
}

bool confirmOverwritePupilFile(QWidget *parent)
{
    return askYesNo(parent, u"Für diesen Namen gibt es schon eine Schülerdatei. Überschreiben?"_s);
}
