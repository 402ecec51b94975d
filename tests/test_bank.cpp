// The bank reader and checker: the shipped bank loads as a test run needs
// it, and each fault of a bad bank is named with its file and place.

#include "bankfile.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace velk;

#define S(x) QStringLiteral(x)

namespace {
QString fixture(const QString &name) { return QStringLiteral(VELK_TEST_DIR "/banks/") + name; }

// Copies a fixture bank into `dir` so a test can put files beside it.
QString copyFixture(const QTemporaryDir &dir, const QString &name)
{
    const QString target = dir.filePath(name);
    QFile::copy(fixture(name), target);
    return target;
}
}  // namespace

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
        QCOMPARE(b.Poredica(4).size(), 24);
        QCOMPARE(b.Poredica(4).at(16), S("3412"));
        QCOMPARE(b.Poredica(5).size(), 120);
        QCOMPARE(b.Poredica(5).last(), S("54321"));
        QCOMPARE(b.Poredica(2), QStringList({"12", "21"}));
        QVERIFY(b.Poredica(1).isEmpty());   // outside the tables: empty, no crash
        QVERIFY(b.List1(40).isEmpty());
        QVERIFY(b.Picture1(30).isEmpty());
    }

    // A small sound bank fills the members as a run reads them.
    void smallBankFillsMembers()
    {
        const LoadResult r = loadBankFile(fixture(S("good.txt")));
        QVERIFY2(r.ok(), qPrintable(r.faults.join('\n')));
        QCOMPARE(r.bank.List1(0), QStringList({"б", "а", "б"}));
        QCOMPARE(r.bank.List1(1), QStringList({"Въпрос едно", "а", "б", "в"}));
        QCOMPARE(r.bank.List1(4), QStringList{S("List1(4) - въпрос от теста")});
        QCOMPARE(r.bank.SettingDigit(ShowExplanation), 1);
        QVERIFY(r.figureFiles.isEmpty());
    }

    // Windows line ends and a byte-order mark change nothing.
    void lineEndsAndByteOrderMark()
    {
        QFile file(fixture(S("good.txt")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QByteArray text = file.readAll();
        const LoadResult plain = loadBank(S("good.txt"), text, QString(), QString());
        text.replace("\n", "\r\n");
        text.prepend("\xEF\xBB\xBF");
        const LoadResult dos = loadBank(S("good.txt"), text, QString(), QString());
        QVERIFY2(dos.ok(), qPrintable(dos.faults.join('\n')));
        for (int k = 0; k <= 3; ++k)
            QCOMPARE(dos.bank.List1(k), plain.bank.List1(k));
        QCOMPARE(dos.bank.List2, plain.bank.List2);
    }

    // Each bad bank names its fault: file, line or question, and what.
    void faults_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("faults");
        const QString keywords = S("setting, note, stem, option, right, key, explain or figure");
        QTest::newRow("malformed")
            << S("malformed.txt")
            << QStringList{S("malformed.txt:10: malformed line: unknown keyword 'opton' (expected %1)").arg(keywords),
                           S("malformed.txt:14: malformed line: it does not start with a keyword and ':' (%1)").arg(keywords)};
        QTest::newRow("too few questions")
            << S("too_few.txt") << QStringList{S("too_few.txt: 2 questions; a test needs 3 to 29")};
        QTest::newRow("too many with the copy")
            << S("too_many_with_copy.txt")
            << QStringList{S("too_many_with_copy.txt: 29 questions, 30 with the copy of the first one "
                             "for the guess check; a test needs 3 to 29")};
        QTest::newRow("one option")
            << S("one_option.txt")
            << QStringList{S("one_option.txt:10: question 2: 1 option; a question needs 2 to 5 options")};
        QTest::newRow("six options")
            << S("six_options.txt")
            << QStringList{S("six_options.txt:13: question 3: 6 options; a question needs 2 to 5 options")};
        QTest::newRow("key matches none")
            << S("key_no_match.txt")
            << QStringList{S("key_no_match.txt:7: question 1: the key \"1 : 2\" matches no option")};
        QTest::newRow("key matches two")
            << S("key_two_match.txt")
            << QStringList{S("key_two_match.txt:10: question 2: the key \"а\" matches 2 options; it must match one"),
                           S("key_two_match.txt:15: question 3: the key \"б\" matches 2 options; it must match one")};
        QTest::newRow("two right lines")
            << S("two_right.txt")
            << QStringList{S("two_right.txt:13: question 2: 2 options are marked 'right:'; exactly one may be")};
        QTest::newRow("key and right")
            << S("key_and_right.txt")
            << QStringList{S("key_and_right.txt:11: question 1: a second 'key:'; a question has one key"),
                           S("key_and_right.txt:7: question 1: both 'key:' and a 'right:' option; give one of them"),
                           S("key_and_right.txt:15: question 3: no right answer; mark one option 'right:'")};
        QTest::newRow("missing figure")
            << S("missing_figure.txt")
            << QStringList{S("missing_figure.txt:14: question 2: 'figure:' without a file name"),
                           S("missing_figure.txt:10: question 1: figure \"nothing.png\" is missing beside the bank file"),
                           S("missing_figure.txt:18: question 3: figure \"../good.txt\": give a plain file name beside the bank file")};
        QTest::newRow("figure does not decode")
            << S("broken_figure.txt")
            << QStringList{S("broken_figure.txt:16: question 3: figure \"broken.jpg\" cannot be read as an image")};
        QTest::newRow("five settings")
            << S("five_settings.txt") << QStringList{S("five_settings.txt: 5 settings rows; a bank needs exactly 6")};
        QTest::newRow("seven settings")
            << S("seven_settings.txt") << QStringList{S("seven_settings.txt: 7 settings rows; a bank needs exactly 6")};
        QTest::newRow("phrase mode, stem without gap")
            << S("phrase_no_gap.txt")
            << QStringList{S("phrase_no_gap.txt:10: question 2: phrase mode is on, but the stem has no gap \"_\"")};
        QTest::newRow("not UTF-8")
            << S("not_utf8.txt") << QStringList{S("not_utf8.txt:8: the line is not UTF-8 text")};
        QTest::newRow("no such file")
            << S("no_such_bank.txt") << QStringList{S("no_such_bank.txt: cannot be opened: No such file or directory")};
        QTest::newRow("sound") << S("good.txt") << QStringList{};
    }

    void faults()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, faults);
        if (file == S("broken_figure.txt"))
            QTest::ignoreMessage(QtWarningMsg, "JPEG datastream contains no image");
        const LoadResult r = loadBankFile(fixture(file));
        QCOMPARE(r.faults, faults);
        // A faulty bank fills nothing.
        if (!faults.isEmpty())
            QVERIFY(r.bank.List1(0).isEmpty());
    }

    // 29 questions fit without the copy, 28 with it.
    void questionCountLimits_data()
    {
        QTest::addColumn<QString>("guessRow");
        QTest::addColumn<int>("questions");
        QTest::addColumn<bool>("ok");
        QTest::newRow("29, copy") << S("Проверка за Тото - 1") << 29 << false;
        QTest::newRow("28, copy") << S("Проверка за Тото - 1") << 28 << true;
        QTest::newRow("29, no copy") << S("Проверка за Тото - 0") << 29 << true;
        QTest::newRow("29, digit 2 copies nothing") << S("Проверка за Тото - 2") << 29 << true;
    }

    void questionCountLimits()
    {
        QFETCH(QString, guessRow);
        QFETCH(int, questions);
        QFETCH(bool, ok);
        QFile file(fixture(S("too_many_with_copy.txt")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QString text = QString::fromUtf8(file.readAll());
        text.replace(S("Проверка за Тото - 1"), guessRow);
        if (questions < 29)   // cut the file before question `questions + 1`
            text.truncate(int(text.indexOf(S("stem: Въпрос %1\n").arg(questions + 1))));
        const LoadResult r = loadBank(S("many.txt"), text.toUtf8(), QString(), QString());
        QCOMPARE(r.ok(), ok);
        if (ok)
            QCOMPARE(int(r.bank.List1(0).size()), questions);
    }

    // The figure box holds 225 by 137 pixels; one more either way is a fault.
    void figureSize_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<QStringList>("faults");
        const QString tooLarge = S("sized_figure.txt:10: question 1: figure \"figure.png\" is %1 pixels; "
                                   "the figure box holds at most 225×137");
        QTest::newRow("fits") << QSize(225, 137) << QByteArray("PNG") << QStringList{};
        QTest::newRow("fits, JPEG") << QSize(220, 93) << QByteArray("JPEG") << QStringList{};
        QTest::newRow("too wide") << QSize(226, 137) << QByteArray("PNG") << QStringList{tooLarge.arg(S("226×137"))};
        QTest::newRow("too high") << QSize(225, 138) << QByteArray("PNG") << QStringList{tooLarge.arg(S("225×138"))};
    }

    void figureSize()
    {
        QFETCH(QSize, size);
        QFETCH(QByteArray, format);
        QFETCH(QStringList, faults);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString bank = copyFixture(dir, S("sized_figure.txt"));
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        QVERIFY(image.save(dir.filePath(S("figure.png")), format.constData()));
        const LoadResult r = loadBankFile(bank);
        QCOMPARE(r.faults, faults);
        if (faults.isEmpty()) {
            QCOMPARE(r.figureFiles, QStringList{S("figure.png")});
            QCOMPARE(r.bank.Picture1(1), dir.filePath(S("figure.png")));
            QVERIFY(r.bank.Picture1(2).isEmpty());
        }
    }

    // The build step: a faulty bank stops it with the fault lines on stderr
    // and writes no resource list; a sound one writes the list.
    void bankcheckTool_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("stderrLines");
        const QString dir = S(VELK_TEST_DIR "/banks/");
        QTest::newRow("two right lines")
            << S("two_right.txt") << 1
            << QStringList{dir + S("two_right.txt:13: question 2: 2 options are marked 'right:'; exactly one may be"),
                           S("The question bank has 1 fault; nothing was embedded.")};
        QTest::newRow("missing file")
            << S("no_such_bank.txt") << 1
            << QStringList{dir + S("no_such_bank.txt: cannot be opened: No such file or directory"),
                           S("The question bank has 1 fault; nothing was embedded.")};
        QTest::newRow("sound") << S("good.txt") << 0 << QStringList{};
    }

    void bankcheckTool()
    {
        QFETCH(QString, file);
        QFETCH(int, exitCode);
        QFETCH(QStringList, stderrLines);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString qrc = dir.filePath(S("bank.qrc"));
        QProcess tool;
        tool.start(S(VELK_BANKCHECK), {fixture(file), qrc});
        QVERIFY(tool.waitForFinished(30000));
        QCOMPARE(tool.exitStatus(), QProcess::NormalExit);
        QCOMPARE(tool.exitCode(), exitCode);
        const QString err = QString::fromUtf8(tool.readAllStandardError());
        QCOMPARE(err.split(QLatin1Char('\n'), Qt::SkipEmptyParts), stderrLines);
        QCOMPARE(QFileInfo::exists(qrc), exitCode == 0);
        if (exitCode == 0) {
            QFile list(qrc);
            QVERIFY(list.open(QIODevice::ReadOnly));
            QVERIFY(list.readAll().contains("<file alias=\"bank.txt\">" VELK_TEST_DIR "/banks/good.txt</file>"));
        }
    }
};

QTEST_GUILESS_MAIN(TestBank)
#include "test_bank.moc"
