#include "exercise/ui/lazyfiledialog.h"

#include <QDir>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestLazyFileDialog : public QObject {
    Q_OBJECT
private slots:
    // A form says what its dialog is to be at start-up; the dialog is made, with all of
    // it in the order given, by the first command that uses it.
    void madeAtFirstUseAsConfigured()
    {
        QTemporaryDir first;
        QTemporaryDir second;
        QWidget form;
        LazyFileDialog dialog(&form, u"SaveDialog1"_s);
        dialog.configure([](QFileDialog *made) {
            made->setWindowTitle(u"Text speichern unter"_s);
            made->setAcceptMode(QFileDialog::AcceptSave);
            made->setNameFilter(u"Laufbahn / Text (*.txt)"_s);
        });
        dialog.configure([&](QFileDialog *made) { made->setDirectory(first.path()); });
        dialog.configure([&](QFileDialog *made) { made->setDirectory(second.path()); });
        QVERIFY(!dialog.isMade());
        QVERIFY(form.findChildren<QFileDialog *>().isEmpty());

        QFileDialog *made = dialog.get();
        QVERIFY(dialog.isMade());
        QCOMPARE(form.findChild<QFileDialog *>(u"SaveDialog1"_s), made);
        QVERIFY(made->testOption(QFileDialog::DontUseNativeDialog));
        QCOMPARE(made->windowTitle(), u"Text speichern unter"_s);
        QCOMPARE(made->acceptMode(), QFileDialog::AcceptSave);
        QCOMPARE(made->nameFilters(), QStringList{u"Laufbahn / Text (*.txt)"_s});
        QCOMPARE(QDir(made->directory()).canonicalPath(), QDir(second.path()).canonicalPath());

        // Later steps reach the dialog at once, and it stays the same dialog.
        dialog.configure([&](QFileDialog *again) { again->setDirectory(first.path()); });
        QCOMPARE(QDir(dialog->directory()).canonicalPath(), QDir(first.path()).canonicalPath());
        QCOMPARE(static_cast<QFileDialog *>(dialog), made);
        QCOMPARE(form.findChildren<QFileDialog *>().size(), 1);
    }
};

QTEST_MAIN(TestLazyFileDialog)
#include "tst_lazyfiledialog.moc"
