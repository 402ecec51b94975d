// The main window through its real widgets on the offscreen platform: clicks
// and keys reach the engine once, the widgets follow the model, review
// colours show on locked buttons, and the menus do what they say.

#include "test_window_fixture.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

using namespace velk;
using velk_test::WindowFixture;
using velk_test::GreenColour;
using velk_test::LightBlueColour;
using velk_test::RedColour;

namespace {

// The rendered background of an option button: its top right corner, clear
// of indicator and text even when the caption is clipped.
QColor backgroundOf(QWidget *w)
{
    return w->grab().toImage().pixelColor(w->width() - 2, 1);
}

// The strip's colour inside its sunken border.
QColor stripColour(QWidget *w)
{
    return w->grab().toImage().pixelColor(w->rect().center());
}

QString accessible(QWidget *w, QAccessible::Text which)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
    return iface ? iface->text(which) : QStringLiteral("<no interface>");
}

// Counts clicked() of every option button: the one road to the engine.
struct ClickCounter {
    int clicks = 0;
    explicit ClickCounter(const WindowFixture &f)
    {
        for (int b = 0; b < 5; ++b)
            QObject::connect(f.widget<QRadioButton>("Option1", b), &QAbstractButton::clicked,
                             [this] { ++clicks; });
    }
};

void showAndActivate(WindowFixture &f)
{
    f.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    QApplication::setActiveWindow(f.window.get());
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
}

}  // namespace

class TestWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { prepareApplication(*qobject_cast<QApplication *>(QCoreApplication::instance())); }

    void fixedWindowAndLayout_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("index");
        QTest::addColumn<QRect>("rect");   // pixels, from the client (options: from Frame1)
        QTest::newRow("title label") << "Label1" << 0 << QRect(200, 0, 377, 25);
        QTest::newRow("Back") << "Command1" << 1 << QRect(600, 8, 105, 19);
        QTest::newRow("option frame") << "Frame1" << -1 << QRect(8, 160, 713, 33);
        QTest::newRow("fifth option box") << "Text2" << 5 << QRect(688, 88, 36, 67);
        QTest::newRow("fifth option button") << "Option1" << 4 << QRect(664, 8, 40, 19);
        QTest::newRow("strip") << "Picture1" << -1 << QRect(160, 192, 409, 13);
        QTest::newRow("help box") << "Text1" << 0 << QRect(240, 320, 481, 137);
    }
    void fixedWindowAndLayout()
    {
        QFETCH(QString, control);
        QFETCH(int, index);
        QFETCH(QRect, rect);
        WindowFixture f;
        QVERIFY2(f.faults.isEmpty(), qPrintable(f.faults.join('\n')));
        QWidget *w = f.window->widgetFor(control.toLatin1().constData(), index);
        QVERIFY(w);
        QCOMPARE(w->geometry(), rect);
        QCOMPARE(w->font().family(), QStringLiteral("Times New Roman"));
        QCOMPARE(w->font().pointSize(), 12);

        VELK_Prazno &win = *f.window;
        QCOMPARE(win.client()->size(), QSize(727, 463));
        QCOMPARE(win.minimumSize(), win.maximumSize());
        QCOMPARE(win.height(), 463 + win.menuBar()->sizeHint().height());
        const Qt::WindowFlags flags = win.windowFlags();
        QVERIFY(flags & Qt::CustomizeWindowHint);
        QVERIFY(!(flags & (Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint
                           | Qt::WindowMaximizeButtonHint | Qt::WindowSystemMenuHint)));
        QCOMPARE(win.windowTitle(), f.model().caption);
        QVERIFY(!win.windowIcon().isNull());
        QCOMPARE(win.windowIcon().availableSizes().size(), 2);
        const QList<QAction *> bar = win.menuBar()->actions();
        QCOMPARE(bar.size(), 2);
        QCOMPARE(bar[0]->text(), QStringLiteral("Изход"));
        QCOMPARE(bar[1]->text(), QStringLiteral("Автор"));
        QVERIFY(!bar[0]->menu() && !bar[1]->menu());
        QVERIFY(bar[0]->shortcut().isEmpty() && bar[1]->shortcut().isEmpty());
    }

    void optionAnswerReachesEngineOnce_data()
    {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("mouse click") << false;
        QTest::newRow("Space key") << true;
    }
    void optionAnswerReachesEngineOnce()
    {
        QFETCH(bool, byKey);
        WindowFixture f;
        showAndActivate(f);
        ClickCounter counter(f);
        auto *strip = f.widget("Picture1");
        auto *option = f.widget<QRadioButton>("Option1", 1);
        QCOMPARE(accessible(strip, QAccessible::Description), QStringLiteral("няма отговор"));

        if (byKey) {
            option->setFocus();
            QTest::keyClick(option, Qt::Key_Space);
        } else {
            QTest::mouseClick(option, Qt::LeftButton);
        }
        QCOMPARE(counter.clicks, 1);
        QCOMPARE(f.state().AnsweredCount, 1);
        QCOMPARE(f.state().Choices[0], QStringLiteral("1"));
        QVERIFY(option->isChecked());
        QCOMPARE(strip->palette().color(QPalette::Window), GreenColour);
        QCOMPARE(stripColour(strip), GreenColour);
        QCOMPARE(accessible(strip, QAccessible::Description), QStringLiteral("има отговор"));
        QCOMPARE(f.widget<QLabel>("Label1", 2)->text(), QStringLiteral("Въведени отговори: 1/3"));

        // Another option at the same position: the group stays exclusive.
        QTest::mouseClick(f.widget<QRadioButton>("Option1", 2), Qt::LeftButton);
        QCOMPARE(counter.clicks, 2);
        QCOMPARE(f.state().Choices[0], QStringLiteral("2"));
        QVERIFY(!option->isChecked());
        QCOMPARE(f.state().AnsweredCount, 1);

        // Clearing and restoring the choice in code must not click anything:
        // a stray click would answer the unanswered position.
        QTest::mouseClick(f.widget("Command1", 0), Qt::LeftButton);
        QCOMPARE(f.pos(), 1);
        for (int b = 0; b < 5; ++b)
            QVERIFY(!f.widget<QRadioButton>("Option1", b)->isChecked());
        QCOMPARE(f.state().Choices[1], QStringLiteral("-1"));
        QCOMPARE(f.state().AnsweredCount, 1);
        QCOMPARE(stripColour(strip), RedColour);

        QTest::mouseClick(f.widget("Command1", 1), Qt::LeftButton);
        QCOMPARE(f.pos(), 0);
        QVERIFY(f.widget<QRadioButton>("Option1", 2)->isChecked());
        QCOMPARE(counter.clicks, 2);
        QCOMPARE(f.state().AnsweredCount, 1);
        QCOMPARE(stripColour(strip), GreenColour);
    }

    void forwardBackMoveBars()
    {
        WindowFixture f;
        auto *stem = f.widget<QPlainTextEdit>("Text2", 0);
        auto *filled = f.widget("Shape1", 0);
        auto *rest = f.widget("Shape1", 1);
        const QString firstStem = stem->toPlainText();
        QCOMPARE(firstStem, f.model().Text2[0].text);
        // N = 3, bars from 240 twips to R = 10525: filled 50 twips at
        // position 0, 50 + 10525/3 at position 1.
        QCOMPARE(filled->geometry().x(), 16);
        QCOMPARE(filled->width(), 3);
        QCOMPARE(rest->x(), 19);
        QCOMPARE(rest->x() + rest->width(), 702);

        QTest::mouseClick(f.widget("Command1", 0), Qt::LeftButton);
        QCOMPARE(f.pos(), 1);
        QVERIFY(stem->toPlainText() != firstStem);
        QCOMPARE(stem->toPlainText(), f.model().Text2[0].text);
        QCOMPARE(filled->width(), 237);
        QCOMPARE(rest->x(), 253);
        QCOMPARE(rest->x() + rest->width(), 702);
        QCOMPARE(accessible(f.window->findChild<QWidget *>("positionBar"), QAccessible::Description),
                 QStringLiteral("въпрос 2 от 3"));

        QTest::mouseClick(f.widget("Command1", 1), Qt::LeftButton);
        QTest::mouseClick(f.widget("Command1", 1), Qt::LeftButton);   // stays at the first
        QCOMPARE(f.pos(), 0);
        QCOMPARE(stem->toPlainText(), firstStem);
        QCOMPARE(filled->width(), 3);
    }

    void gradingLocksAndColours()
    {
        WindowFixture f;
        showAndActivate(f);
        // Position 0 right, position 1 wrong, position 2 unanswered.
        const int right0 = f.keyButton();
        QTest::mouseClick(f.widget("Option1", right0), Qt::LeftButton);
        QTest::mouseClick(f.widget("Command1", 0), Qt::LeftButton);
        const int key1 = f.keyButton();
        const int wrong1 = (key1 + 1) % f.visibleOptions();
        QTest::mouseClick(f.widget("Option1", wrong1), Qt::LeftButton);
        QCOMPARE(f.state().AnsweredCount, 2);

        QTest::mouseClick(f.widget("Command2", 0), Qt::LeftButton);
        QCOMPARE(f.widget<QLabel>("Label1", 1)->text(), QStringLiteral("Резултат: 1/3 = 33%"));
        QVERIFY(!f.widget("Command2", 0)->isEnabled());
        QVERIFY(f.widget("Command1", 0)->isHidden() && f.widget("Command1", 1)->isHidden());
        QVERIFY(!f.widget("Command2", 1)->isHidden() && !f.widget("Command2", 2)->isHidden());
        QCOMPARE(f.pos(), 0);
        for (int b = 0; b < f.visibleOptions(); ++b) {
            QWidget *w = f.widget("Option1", b);
            QVERIFY(!w->isEnabled());
            QCOMPARE(backgroundOf(w), b == right0 ? GreenColour : LightBlueColour);
            QCOMPARE(accessible(w, QAccessible::Description),
                     b == right0 ? QStringLiteral("верен отговор") : QString());
        }
        QVERIFY(f.widget<QRadioButton>("Option1", right0)->isChecked());
        QCOMPARE(accessible(f.widget("Picture1"), QAccessible::Description),
                 QStringLiteral("верен отговор"));
        QCOMPARE(f.widget<QPlainTextEdit>("Text1", 0)->toPlainText(),
                 QStringLiteral("7 се дели само на 1 и на себе си.\n"));

        // A locked button ignores the pupil.
        const int other = (right0 + 1) % f.visibleOptions();
        ClickCounter counter(f);
        QTest::mouseClick(f.widget("Option1", other), Qt::LeftButton);
        QCOMPARE(counter.clicks, 0);
        QCOMPARE(f.state().Choices[0], QString::number(right0));

        QTest::mouseClick(f.widget("Command2", 1), Qt::LeftButton);
        QCOMPARE(f.pos(), 1);
        for (int b = 0; b < f.visibleOptions(); ++b) {
            QWidget *w = f.widget("Option1", b);
            const QColor expected = b == key1 ? GreenColour : b == wrong1 ? RedColour : LightBlueColour;
            QCOMPARE(backgroundOf(w), expected);
        }
        QCOMPARE(accessible(f.widget("Option1", wrong1), QAccessible::Description),
                 QStringLiteral("грешен отговор"));
        QCOMPARE(stripColour(f.widget("Picture1")), RedColour);
        // In review red means "not answered right", not "no answer".
        QCOMPARE(accessible(f.widget("Picture1"), QAccessible::Description),
                 QStringLiteral("няма верен отговор"));

        QTest::mouseClick(f.widget("Command2", 1), Qt::LeftButton);
        QCOMPARE(f.widget<QPlainTextEdit>("Text1", 0)->toPlainText(),
                 QStringLiteral("Няма въведен отговор!"));
        for (int b = 0; b < 5; ++b)
            QVERIFY(!f.widget<QRadioButton>("Option1", b)->isChecked());
    }

    void authorReplacesHelp_data()
    {
        QTest::addColumn<bool>("graded");
        QTest::newRow("at start") << false;
        QTest::newRow("in review") << true;
    }
    void authorReplacesHelp()
    {
        QFETCH(bool, graded);
        WindowFixture f;
        auto *help = f.widget<QPlainTextEdit>("Text1", 0);
        QVERIFY(help->toPlainText().startsWith(QStringLiteral("Това е  ")));
        if (graded)
            QTest::mouseClick(f.widget("Command2", 0), Qt::LeftButton);
        const QString note = QStringLiteral("За повече информация посетете ") + AuthorAddress + '.';
        f.window->authorAction()->trigger();
        QCOMPARE(help->toPlainText(), note);
        f.window->authorAction()->trigger();
        QCOMPARE(help->toPlainText(), note);
    }

    void exitClosesWindow()
    {
        WindowFixture f;
        showAndActivate(f);
        QTest::mouseClick(f.widget("Option1", 0), Qt::LeftButton);
        f.window->exitAction()->trigger();
        QVERIFY(f.model().exitRequested);
        QVERIFY(!f.window->isVisible());
    }

    void keyboardOrder_data()
    {
        QTest::addColumn<int>("chosen");   // option chosen first, -1 none
        QTest::newRow("nothing chosen") << -1;
        QTest::newRow("an option chosen") << 2;
    }
    void keyboardOrder()
    {
        QFETCH(int, chosen);
        WindowFixture f;   // position 0 holds the five-option question
        showAndActivate(f);
        QCOMPARE(f.visibleOptions(), 5);
        QCOMPARE(QApplication::focusWidget(), f.widget("Text1", 0));
        if (chosen >= 0) {
            QTest::mouseClick(f.widget("Option1", chosen), Qt::LeftButton);
            f.widget("Text1", 0)->setFocus();
        }
        const QStringList expected = {
            "Text1(0)", "Text2(0)", "Text2(1)", "Text2(2)", "Text2(3)", "Text2(4)",
            "Option1(0)", "Option1(1)", "Option1(2)", "Option1(3)", "Command1(0)", "Command1(1)",
            "Command2(0)", "Picture1", "Text2(5)", "Picture2", "Option1(4)", "Text1(0)"};
        QStringList seen{QApplication::focusWidget()->objectName()};
        for (int i = 1; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            seen << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(seen, expected);

        // Space on the focused fifth option answers with it, once.
        ClickCounter counter(f);
        while (QApplication::focusWidget() != f.widget("Option1", 4))
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(counter.clicks, 1);
        QCOMPARE(f.state().Choices[0], QStringLiteral("4"));
        QCOMPARE(f.state().AnsweredCount, 1);
    }

    void unchangedTextKeepsItsScroll()
    {
        WindowFixture f;
        showAndActivate(f);
        QScrollBar *bar = f.widget<QPlainTextEdit>("Text1", 0)->verticalScrollBar();
        QVERIFY(bar->maximum() > 3);
        bar->setValue(3);
        QTest::mouseClick(f.widget("Command1", 0), Qt::LeftButton);
        QTest::mouseClick(f.widget("Option1", 0), Qt::LeftButton);
        QCOMPARE(bar->value(), 3);
    }

    void narrowFifthOptionStaysReadable()
    {
        // The fifth column is 36 pixels wide; a short word must still fit on
        // one line there.
        WindowFixture f;
        showAndActivate(f);
        auto *box = f.widget<QPlainTextEdit>("Text2", 5);
        QVERIFY(box->isVisible());
        QVERIFY(!box->verticalScrollBar()->isVisible());
        const int room = box->viewport()->width() - 2 * int(box->document()->documentMargin());
        QVERIFY2(room >= box->fontMetrics().horizontalAdvance(QStringLiteral("във")),
                 qPrintable(QStringLiteral("%1 px of text room").arg(room)));
    }

    void figureShownUnscaledFromTopLeft()
    {
        WindowFixture f;
        auto *box = f.widget<QLabel>("Picture2");
        QVERIFY(box->pixmap().isNull());
        while (f.model().figure.isEmpty() && f.pos() < f.state().QuestionCount - 1)
            QTest::mouseClick(f.widget("Command1", 0), Qt::LeftButton);
        QVERIFY(!f.model().figure.isEmpty());
        QCOMPARE(box->pixmap().size(), QSize(150, 100));
        const QImage shot = box->grab().toImage();
        const QPoint origin = box->contentsRect().topLeft();
        QCOMPARE(shot.pixelColor(origin + QPoint(3, 3)), velk_test::FigureColour);
        QCOMPARE(shot.pixelColor(origin + QPoint(147, 97)), velk_test::FigureColour);
        QVERIFY(shot.pixelColor(origin + QPoint(152, 50)) != velk_test::FigureColour);
        QVERIFY(shot.pixelColor(origin + QPoint(50, 102)) != velk_test::FigureColour);

        QTest::mouseClick(f.widget("Command1", 1), Qt::LeftButton);
        QVERIFY(f.model().figure.isEmpty());
        QVERIFY(box->pixmap().isNull());
    }

    void accessibleNames_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::newRow("stem") << "Text2" << 0 << "Въпрос";
        QTest::newRow("option box 3") << "Text2" << 3 << "Отговор 3";
        QTest::newRow("option box 5") << "Text2" << 5 << "Отговор 5";
        QTest::newRow("phrase box") << "Text2" << 6 << "Цяла фраза";
        QTest::newRow("help") << "Text1" << 0 << "Помощ";
        QTest::newRow("strip") << "Picture1" << -1 << "Индикатор за отговор";
        QTest::newRow("figure") << "Picture2" << -1 << "Фигура";
        QTest::newRow("option button keeps its caption") << "Option1" << 0 << "Отговор A";
        QTest::newRow("button keeps its caption") << "Command2" << 0 << "Оценяване";
        QTest::newRow("label keeps its caption") << "Label1" << 4 << "Въведен отговор: ";
        QTest::newRow("position bar") << "positionBar" << -2 << "Позиция в теста";
        QTest::newRow("answered bar") << "answeredBar" << -2 << "Въведени отговори";
    }
    void accessibleNames()
    {
        QFETCH(QString, control);
        QFETCH(int, index);
        QFETCH(QString, name);
        WindowFixture f;
        QWidget *w = index == -2 ? f.window->findChild<QWidget *>(control)
                                 : f.window->widgetFor(control.toLatin1().constData(), index);
        QVERIFY(w);
        QCOMPARE(accessible(w, QAccessible::Name), name);
    }
};

QTEST_MAIN(TestWindow)
#include "test_window.moc"
