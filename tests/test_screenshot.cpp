// The real window on a real X server (Xvfb): what reaches the screen has the
// designed size and the colours that tell the pupil how the test stands.
// With VELK_SCREENSHOT_DIR set, every shot is also saved there as PNG.

#include "test_window_fixture.h"

#include <QApplication>
#include <QMenuBar>
#include <QScreen>
#include <QtTest>

using namespace velk;
using velk_test::WindowFixture;
using velk_test::GreenColour;
using velk_test::LightBlueColour;
using velk_test::RedColour;

namespace {

// The window as the X server shows it, and where its client area starts.
struct Shot {
    QImage image;
    QPoint client;

    QColor at(QWidget *w, QPoint inside) const
    {
        return image.pixelColor(w->mapTo(w->window(), inside));
    }
};

Shot take(WindowFixture &f, const QString &name)
{
    QCoreApplication::processEvents();
    QTest::qWait(50);   // let the server finish drawing
    VELK_Prazno &win = *f.window;
    Shot shot{win.screen()->grabWindow(win.winId()).toImage(),
              win.client()->mapTo(&win, QPoint(0, 0))};
    const QByteArray dir = qgetenv("VELK_SCREENSHOT_DIR");
    if (!dir.isEmpty())
        shot.image.save(QString::fromLocal8Bit(dir) + '/' + name + ".png");
    return shot;
}

}  // namespace

class TestScreenshot : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X server (run through xvfb-run with QT_QPA_PLATFORM=xcb)");
        prepareApplication(*qobject_cast<QApplication *>(QCoreApplication::instance()));
    }

    void realWindowSizesAndColours()
    {
        WindowFixture f;
        QVERIFY2(f.faults.isEmpty(), qPrintable(f.faults.join('\n')));
        VELK_Prazno &win = *f.window;
        win.show();
        QVERIFY(QTest::qWaitForWindowExposed(&win));

        Shot start = take(f, "start");
        const int menu = start.client.y();
        QVERIFY(menu > 0);
        QCOMPARE(start.client.x(), 0);
        QCOMPARE(start.image.size(), QSize(727, menu + 463));
        QCOMPARE(win.frameGeometry().center(), win.screen()->availableGeometry().center());

        QWidget *client = win.client();
        QWidget *strip = f.widget("Picture1");
        QCOMPARE(start.at(client, QPoint(2, 2)), LightBlueColour);
        QCOMPARE(start.at(client, QPoint(726, 462)), LightBlueColour);
        QCOMPARE(start.at(f.widget("Label1", 0), QPoint(3, 3)), QColor(0xFF, 0xC0, 0x80));
        QCOMPARE(start.at(f.widget("Frame1"), QPoint(2, 2)), QColor(0x80, 0x80, 0xFF));
        QCOMPARE(start.at(strip, strip->rect().center()), RedColour);
        QCOMPARE(f.visibleOptions(), 5);   // the narrow fifth column is in use
        QCOMPARE(start.at(f.widget("Option1", 4), QPoint(37, 1)), GreenColour);

        // Position 0 right, position 1 wrong.
        const int right0 = f.keyButton();
        QTest::mouseClick(f.widget("Option1", right0), Qt::LeftButton);
        Shot answered = take(f, "answered");
        QCOMPARE(answered.at(strip, strip->rect().center()), GreenColour);
        QTest::mouseClick(f.widget("Command1", 0), Qt::LeftButton);
        const int key1 = f.keyButton();
        const int wrong1 = (key1 + 1) % f.visibleOptions();
        QTest::mouseClick(f.widget("Option1", wrong1), Qt::LeftButton);
        QTest::mouseClick(f.widget("Command1", 0), Qt::LeftButton);
        take(f, "last-position-figure");

        QTest::mouseClick(f.widget("Command2", 0), Qt::LeftButton);
        Shot graded = take(f, "review-right");
        QWidget *rightButton = f.widget("Option1", right0);
        QCOMPARE(graded.at(rightButton, QPoint(rightButton->width() - 2, 1)), GreenColour);
        QCOMPARE(graded.at(strip, strip->rect().center()), GreenColour);

        QTest::mouseClick(f.widget("Command2", 1), Qt::LeftButton);
        Shot wrong = take(f, "review-wrong");
        QWidget *keyButton = f.widget("Option1", key1);
        QWidget *chosenButton = f.widget("Option1", wrong1);
        QCOMPARE(wrong.at(keyButton, QPoint(keyButton->width() - 2, 1)), GreenColour);
        QCOMPARE(wrong.at(chosenButton, QPoint(chosenButton->width() - 2, 1)), RedColour);
        QCOMPARE(wrong.at(strip, strip->rect().center()), RedColour);
    }
};

QTEST_MAIN(TestScreenshot)
#include "test_screenshot.moc"
