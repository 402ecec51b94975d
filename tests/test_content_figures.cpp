// The figure generator: a description draws where its coordinates say,
// with one scale for both axes, and every mistake in a description is
// named with its line.

#include "figgen.h"

#include <QtTest>

namespace {

figgen::Figure only(const QString &text)
{
    const figgen::Description d = figgen::parse("t.txt", text);
    if (!d.faults.isEmpty() || d.figures.size() != 1)
        qWarning() << d.faults;
    return d.figures.value(0);
}

bool inkAt(const QImage &image, int x, int y)
{
    // Anti-aliased lines: look at the pixel and its neighbours.
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (qGray(image.pixel(x + dx, y + dy)) < 140)
                return true;
    return false;
}

}  // namespace

class TestContentFigures : public QObject {
    Q_OBJECT
private slots:
    // A unit square in a wide image stays a square: its height fixes the
    // scale and it is centred across.
    void keepsProportions()
    {
        const figgen::Figure f = only("figure a.jpg 200 100\nmargin 10\n"
                                      "point A 0 0 -\npoint B 1 0 -\npoint C 1 1 -\npoint D 0 1 -\n"
                                      "polygon A B C D\n");
        QStringList faults;
        const QImage img = figgen::render(f, "t.txt", &faults);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
        QCOMPARE(img.size(), QSize(200, 100));
        // Square of side 80 from x = 60 to 140, y = 10 to 90.
        QVERIFY(inkAt(img, 60, 50));
        QVERIFY(inkAt(img, 140, 50));
        QVERIFY(inkAt(img, 100, 10));
        QVERIFY(inkAt(img, 100, 90));
        QVERIFY(!inkAt(img, 100, 50));
        QVERIFY(!inkAt(img, 30, 50));
        QVERIFY(!inkAt(img, 170, 50));
    }

    // Constructed points land where geometry puts them; y grows upwards.
    void constructedPoints()
    {
        const figgen::Figure f = only(
            "figure a.jpg 120 120\nmargin 10\n"
            "point A 0 0 -\npoint B 2*cos(60)+1 0 -\npoint C 0 sqrt(16)-2 -\n"   // B = (2, 0), C = (0, 2)
            "segment A B\nsegment A C\n"
            "point M on A B 1/2 -\npoint F foot M B C -\n"                      // F = (1.5, 0.5)
            "segment M F\n"
            "point X bisect B A C -\npoint P meet A X B C -\n"                 // P = (1, 1)
            "dot P\n");
        QStringList faults;
        const QImage img = figgen::render(f, "t.txt", &faults);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
        // Scale 50 px per unit; (x, y) is at pixel (10 + 50x, 110 - 50y).
        QVERIFY(inkAt(img, 10, 60));     // on AC
        QVERIFY(inkAt(img, 60, 110 - 1)); // on AB
        QVERIFY(inkAt(img, 72, 98));     // on MF, between (1, 0) and (1.5, 0.5)
        QVERIFY(inkAt(img, 60, 60));     // the dot P
        QVERIFY(!inkAt(img, 35, 35));
    }

    void faultsNameTheLine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("fault");
        const QString head = "figure a.jpg 50 50\npoint A 0 0\npoint B 1 1\n";
        QTest::newRow("command before figure") << "segment A B\n" << "t.txt:1: a drawing command before";
        QTest::newRow("figure without size") << "figure a.jpg 50\n" << "t.txt:1: write 'figure FILE WIDTH HEIGHT'";
        QTest::newRow("figure in a folder") << "figure ../a.jpg 50 50\n" << "t.txt:1: give a plain file name";
        QTest::newRow("unknown point") << head + "segment A C\n" << "t.txt:4: a.jpg: no point C";
        QTest::newRow("unknown command") << head + "circle A 2\n" << "t.txt:4: a.jpg: unknown command \"circle\"";
        QTest::newRow("bad number") << head + "point C 1,5 2\n" << "t.txt:4: a.jpg: \"1,5\" is not a number";
        QTest::newRow("bad formula") << head + "point C sqrt(-1) 2\n" << "t.txt:4: a.jpg: \"sqrt(-1)\" is not a number";
        QTest::newRow("twice") << head + "point A 2 2\nsegment A B\n" << "t.txt:4: a.jpg: the point A is defined twice";
        QTest::newRow("parallel lines") << head + "point C 1 0\npoint D 2 1\npoint E meet A B C D\nsegment A B\n"
                                       << "t.txt:6: a.jpg: the lines AB and CD do not cross";
        QTest::newRow("bad label place") << head + "point C 1 0 up\nsegment A B\n" << "t.txt:4: a.jpg: \"up\" is no label place";
        QTest::newRow("bad angle") << head + "angle A B A x 10\nsegment A B\n" << "t.txt:4: a.jpg: ARCS is 0 to 3";
        QTest::newRow("bad ticks") << head + "ticks A B 7\nsegment A B\n" << "t.txt:4: a.jpg: write 'ticks P Q N'";
        QTest::newRow("nothing drawn") << "figure a.jpg 50 50\npoint A 0 0 -\n" << "t.txt:1: a.jpg: nothing to draw";
        QTest::newRow("described twice") << head + "segment A B\nfigure a.jpg 10 10\n" << "t.txt:5: a.jpg is described twice";
    }
    void faultsNameTheLine()
    {
        QFETCH(QString, text);
        QFETCH(QString, fault);
        const figgen::Description d = figgen::parse("t.txt", text);
        QStringList faults = d.faults;
        QImage last;
        for (const figgen::Figure &f : d.figures)
            last = figgen::render(f, "t.txt", &faults);
        QVERIFY2(!faults.isEmpty(), "no fault reported");
        QVERIFY2(faults.first().startsWith(fault), qPrintable(faults.join('\n')));
        // A figure with a fault is not written at all.
        if (d.faults.isEmpty())
            QVERIFY(last.isNull());
    }
};

QTEST_MAIN(TestContentFigures)
#include "test_content_figures.moc"
