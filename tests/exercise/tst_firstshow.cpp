#include "exercise/ui/firstshow.h"

#include <QPaintEvent>
#include <QTest>
#include <QVBoxLayout>
#include <memory>

namespace {

enum class Scene { Window, ChildShownWithItsWindow, HiddenChildShownLater, AlreadyVisible };

// A widget that notes whether it was prepared by the time it is first painted.
class Panel : public QWidget {
public:
    using QWidget::QWidget;
    int preparations = 0;
    int preparedAtFirstPaint = -1;

protected:
    void paintEvent(QPaintEvent *) override
    {
        if (preparedAtFirstPaint < 0)
            preparedAtFirstPaint = preparations;
    }
};

} // namespace

class TestFirstShow : public QObject {
    Q_OBJECT
private slots:
    void preparesOnceAtTheFirstShowing_data()
    {
        QTest::addColumn<Scene>("scene");
        QTest::addRow("a window") << Scene::Window;
        QTest::addRow("a child shown with its window") << Scene::ChildShownWithItsWindow;
        QTest::addRow("a hidden child shown later") << Scene::HiddenChildShownLater;
        QTest::addRow("a widget already on the screen") << Scene::AlreadyVisible;
    }
    void preparesOnceAtTheFirstShowing()
    {
        QFETCH(Scene, scene);
        auto window = std::make_unique<QWidget>();
        window->resize(200, 100);
        Panel *panel = scene == Scene::Window ? new Panel : new Panel(window.get());
        std::unique_ptr<Panel> ownWindow(scene == Scene::Window ? panel : nullptr);
        if (scene != Scene::Window)
            (new QVBoxLayout(window.get()))->addWidget(panel);
        if (scene == Scene::HiddenChildShownLater)
            panel->hide();
        if (scene == Scene::AlreadyVisible) {
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        }

        whenFirstShown(panel, [panel] { ++panel->preparations; });
        if (scene == Scene::AlreadyVisible) {
            QCOMPARE(panel->preparations, 1);
            return;
        }
        QCOMPARE(panel->preparations, 0);

        QWidget *shown = scene == Scene::Window ? panel : window.get();
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        if (scene == Scene::HiddenChildShownLater) {
            QCOMPARE(panel->preparations, 0); // its window alone does not show it
            panel->show();
        }
        QTRY_VERIFY(panel->preparedAtFirstPaint >= 0);
        QCOMPARE(panel->preparedAtFirstPaint, 1);

        panel->hide();
        panel->show();
        QCOMPARE(panel->preparations, 1);
    }
};

QTEST_MAIN(TestFirstShow)
#include "tst_firstshow.moc"
