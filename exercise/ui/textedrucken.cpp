#include "exercise/ui/textedrucken.h"

#include "exercise/core/printjobs.h"
#include "exercise/ui/sprachwechsel.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

using namespace Qt::StringLiterals;

TForm8::TForm8(QWidget *parent)
    : QDialog(parent), Label1(new QLabel(this)), Edit1(new QLineEdit(this)),
      BitBtn1(new QPushButton(this)), BitBtn2(new QPushButton(this)),
      m_folderButton(new QToolButton(this))
{
    setObjectName(u"Form8"_s);
    m_folderDialog.configure([](QFileDialog *dialog) {
        dialog->setWindowTitle(u"Ordner wählen"_s);
        dialog->setFileMode(QFileDialog::Directory);
        dialog->setOption(QFileDialog::ShowDirsOnly);
        dialog->resize(760, 480);
    });
    Label1->setObjectName(u"Label1"_s);
    Edit1->setObjectName(u"Edit1"_s);
    BitBtn1->setObjectName(u"BitBtn1"_s);
    BitBtn2->setObjectName(u"BitBtn2"_s);
    m_folderButton->setObjectName(u"Ordnerwahl"_s);
    m_folderButton->setText(u"..."_s);
    m_folderButton->setToolTip(u"Ordner wählen"_s);

    resize(408, 125);
    setMinimumWidth(408);
    Label1->setBuddy(Edit1);
    BitBtn1->setDefault(true);

    auto *path = new QHBoxLayout;
    path->addWidget(Edit1, 1);
    path->addWidget(m_folderButton);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addLayout(path);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_folderButton, &QToolButton::clicked, this, &TForm8::chooseFolder);
    beiSprachwechsel(this, [this] {
        setWindowTitle(tr("Texte drucken", "window caption"));
        Label1->setText(tr("Pfad eingeben:"));
        BitBtn1->setText(tr("Texte drucken", "button"));
        BitBtn2->setText(tr("Abbrechen"));
    });
}

void TForm8::chooseFolder()
{
    const QString typedFolder = printjobs::folderPattern(Edit1->text()).folder;
    if (QFileInfo(typedFolder).isDir())
        m_folderDialog->setDirectory(typedFolder);
    if (m_folderDialog->exec() != QDialog::Accepted || m_folderDialog->selectedFiles().isEmpty())
        return;
    Edit1->setText(QDir::toNativeSeparators(
        printjobs::withFolder(Edit1->text(), m_folderDialog->selectedFiles().constFirst())));
}
