// The bank reader and checker: the shipped bank loads as a test run needs
// it, and each fault of a bad bank is named with its file and place.

#include "bankfile.h"

#include <QtTest>

using namespace velk;

class TestBank : public QObject {
    Q_OBJECT
private slots:
    void shippedBankLoads()
    {
        const LoadResult r = loadBankFile(QStringLiteral(VELK_SOURCE_DIR "/content/geometry/bank.txt"));
        QVERIFY2(r.ok(), qPrintable(r.faults.join('\n')));
        const Bank &b = r.bank;
        QCOMPARE(b.List1(0).size(), 20);
        const QStringList key = {"45°", "150°", "25", "10", "150", "20", "60°", "ромб", "1 : 2", "2.5",
                                 "правоъгълник", "1:4", "24.5", "1:3", "56", "65°", "116°", "5", "50", "15"};
        QCOMPARE(b.List1(0), key);
        QCOMPARE(b.List1(21), QStringList{"List1(21) - въпрос от теста"});
        QCOMPARE(b.List1(39), QStringList{"List1(39) - въпрос от теста"});
        QCOMPARE(b.Obqsnenie(21), QStringList{"Обяснение 21"});
        QCOMPARE(b.Obqsnenie(0).size(), 1);
        QVERIFY(b.Picture1(0).isEmpty());
        QCOMPARE(b.List2.size(), 6);
        QCOMPARE(b.settingRow(TestTitle), QStringLiteral("ВЕЛК по Геометрия - ромб, квадрат"));
    }
};

QTEST_GUILESS_MAIN(TestBank)
#include "test_bank.moc"
