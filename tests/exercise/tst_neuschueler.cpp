#include "exercise/ui/neuschueler.h"

#include "tests/support/dialogs.h"
#include "tests/support/files.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using testing::fileBytes;
using testing::writeBytes;

namespace {

// Types like a keyboard, umlauts included (QTest::keyClicks takes ASCII only).
void typeText(QWidget *widget, const QString &text)
{
    for (QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

enum class Ending { Create, Abort, Frame, Escape };

// Answers the shown dialog as a teacher does: types the name, then ends it.
void typeNameAndEnd(const QString &name, Ending ending)
{
    testing::answerNextDialog([name, ending](QWidget *shown) {
        auto *dialog = qobject_cast<TForm2 *>(shown);
        QVERIFY(dialog);
        QVERIFY(dialog->Edit1->text().isEmpty());
        typeText(dialog->Edit1, name);
        switch (ending) {
        case Ending::Create:
            QTest::mouseClick(dialog->Button1, Qt::LeftButton);
            break;
        case Ending::Abort:
            QTest::mouseClick(dialog->Button2, Qt::LeftButton);
            break;
        case Ending::Frame:
            dialog->close();
            break;
        case Ending::Escape:
            QTest::keyClick(dialog->Edit1, Qt::Key_Escape);
            break;
        }
    });
}

} // namespace

class TestNeuSchueler : public QObject {
    Q_OBJECT
private slots:
    void looksAsDesigned()
    {
        TForm2 dialog;
        QCOMPARE(dialog.windowTitle(), u"neuer Schüler"_s);
        QCOMPARE(dialog.size(), QSize(315, 152));
        QCOMPARE(dialog.findChild<QLabel *>(u"Label1"_s)->text(),
                 u"Namen des Schülers eingeben:"_s);
        QVERIFY(dialog.findChild<QLineEdit *>(u"Edit1"_s));
        QCOMPARE(dialog.Button1->text(), u"Schüler anlegen"_s);
        QCOMPARE(dialog.Button2->text(), u"Abbrechen"_s);
    }

    void endings_data()
    {
        QTest::addColumn<int>("ending");
        QTest::addColumn<bool>("created");
        QTest::addRow("Schüler anlegen") << int(Ending::Create) << true;
        QTest::addRow("closed through the frame") << int(Ending::Frame) << true;
        QTest::addRow("Abbrechen") << int(Ending::Abort) << false;
        QTest::addRow("Escape") << int(Ending::Escape) << false;
    }
    void endings()
    {
        QFETCH(int, ending);
        QFETCH(bool, created);
        QTemporaryDir dir;
        TForm2 dialog;
        typeNameAndEnd(u"Jörg Müller"_s, Ending(ending));
        const std::optional<pupilrecord::PupilFile> pupil = dialog.schuelerAnlegen(dir.path());
        QCOMPARE(bool(pupil), created);
        const QString path = dir.filePath(u"Jörg Müller.lbs"_s);
        QCOMPARE(QFile::exists(path), created);
        if (created) {
            QCOMPARE(pupil->path(), path);
            QCOMPARE(pupil->fullName(), u"Jörg Müller"_s);
            QCOMPARE(fileBytes(path), QByteArray("J\xf6rg M\xfcller\r\n"));
        }
    }

    void refusedNameWritesNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("ending");
        QTest::addColumn<QString>("message");
        QTest::addRow("frame closed on an empty field")
            << QString() << int(Ending::Frame) << u"Bitte geben Sie den Namen des Schülers ein."_s;
        QTest::addRow("path out of the folder")
            << u"../Anna"_s << int(Ending::Create)
            << u"Der Name darf keines dieser Zeichen enthalten: < > : \" / \\ | ? *"_s;
        QTest::addRow("device name") << u"aux"_s << int(Ending::Create)
                                     << u"Der Name „aux“ ist unter Windows für ein Gerät "
                                        u"reserviert und kann keine Datei benennen."_s;
    }
    void refusedNameWritesNothing()
    {
        QFETCH(QString, name);
        QFETCH(int, ending);
        QFETCH(QString, message);
        QTemporaryDir parent;
        const QString start = parent.filePath(u"start"_s);
        QVERIFY(QDir().mkdir(start));
        TForm2 dialog;
        QString shown;
        typeNameAndEnd(name, Ending(ending));
        testing::answerNextMessageBox(QMessageBox::Ok, &shown);
        QVERIFY(!dialog.schuelerAnlegen(start));
        QCOMPARE(shown, message);
        QCOMPARE(QDir(start).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
        QCOMPARE(QDir(parent.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList{u"start"_s});
    }

    void existingRecordIsReplacedOnlyOnYes()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Mia.lbs"_s);
        const QByteArray old = "Mia\r\n~[07.12.2026] Woerter.txt\r\nHund\r\n";
        writeBytes(path, old);
        TForm2 dialog;
        QString question;
        typeNameAndEnd(u"Mia"_s, Ending::Create);
        testing::answerNextMessageBox(QMessageBox::No, &question);
        QVERIFY(!dialog.schuelerAnlegen(dir.path()));
        QCOMPARE(question, u"Für diesen Namen gibt es schon eine Schülerdatei. Überschreiben?"_s);
        QCOMPARE(fileBytes(path), old);

        typeNameAndEnd(u"Mia"_s, Ending::Create);
        testing::answerNextMessageBox(QMessageBox::Yes);
        const std::optional<pupilrecord::PupilFile> pupil = dialog.schuelerAnlegen(dir.path());
        QVERIFY(pupil);
        QCOMPARE(fileBytes(path), QByteArray("Mia\r\n"));
        QVERIFY(pupil->entries().isEmpty());
    }

    void questionDefaultsToNo()
    {
        QTemporaryDir dir;
        testing::answerNextDialog([](QWidget *shown) {
            auto *box = qobject_cast<QMessageBox *>(shown);
            QVERIFY(box);
            QCOMPARE(box->defaultButton(), box->button(QMessageBox::No));
            QCOMPARE(box->button(QMessageBox::No)->text(), u"Nein"_s);
            QTest::keyClick(box, Qt::Key_Return);
        });
        QVERIFY(!confirmOverwritePupilFile(nullptr));
    }

    void missingStartFolderShowsTheErrorBox()
    {
        QTemporaryDir dir;
        TForm2 dialog;
        QString shown;
        typeNameAndEnd(u"Mia"_s, Ending::Create);
        testing::answerNextMessageBox(QMessageBox::Ok, &shown);
        QVERIFY(!dialog.schuelerAnlegen(dir.filePath(u"weg"_s)));
        QCOMPARE(shown, u"E/A-Fehler 3."_s);
    }
};

QTEST_MAIN(TestNeuSchueler)
#include "tst_neuschueler.moc"
