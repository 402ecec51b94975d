// The shipped question banks: the geometry test as the program carries it
// (key, options, worked solutions, figures, settings, placeholders), its
// figure description, and the language test in phrase mode played through
// the engine.

#include "bankfile.h"
#include "engine.h"
#include "figgen.h"

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QStringEncoder>
#include <QtTest>

using namespace velk;

namespace {

const QString GeometryBank = QStringLiteral(VELK_SOURCE_DIR "/content/geometry/bank.txt");
const QString LanguageBank = QStringLiteral(VELK_SOURCE_DIR "/content/language/bank.txt");

const Bank &geometry()
{
    static const LoadResult r = loadBankFile(GeometryBank);
    return r.bank;
}

// Every text a pupil reads: stems, options and explanation lines.
QStringList pupilTexts(const Bank &b)
{
    QStringList texts;
    for (int k = 1; k <= b.List1(0).size(); ++k)
        texts << b.List1(k) << b.Obqsnenie(k);
    return texts;
}

// The bank's figure sizes, question by question (0×0: no figure).
const QList<QSize> FigureSizes = {
    {187, 120}, {120, 123}, {202, 124}, {138, 130}, {191, 119}, {102, 130}, {170, 137},
    {128, 135}, {123, 106}, {214, 137}, {165, 123}, {138, 135}, {220, 93}, {153, 126},
    {166, 135}, {199, 130}, {187, 135}, {0, 0}, {0, 0}, {0, 0}};

}  // namespace

class TestContent : public QObject {
    Q_OBJECT
private slots:
    // --- the geometry bank -------------------------------------------------
    void geometryLoadsWithKey()
    {
        const LoadResult r = loadBankFile(GeometryBank);
        QVERIFY2(r.ok(), qPrintable(r.faults.join('\n')));
        const QStringList key = {"45°", "150°", "25", "10", "150", "20", "60°", "ромб", "1 : 2", "2.5",
                                 "правоъгълник", "1:4", "24.5", "1:3", "56", "65°", "116°", "5", "50", "15"};
        QCOMPARE(r.bank.List1(0), key);
        for (int k = 1; k <= 20; ++k)
            QCOMPARE(r.bank.List1(k).size(), 5);   // the stem and four options
    }

    void geometryOptions_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("keyRow");
        QTest::newRow("1") << 1 << QStringList{"30°", "45°", "50°", "60°"} << 2;
        QTest::newRow("2") << 2 << QStringList{"100°", "120°", "150°", "160°"} << 3;
        QTest::newRow("4") << 4 << QStringList{"10", "15", "20", "25"} << 1;
        QTest::newRow("8") << 8 << QStringList{"успоредник", "ромб", "правоъгълник", "квадрат"} << 2;
        QTest::newRow("9") << 9 << QStringList{"1 : 1", "1 : 3", "1 : 2", "3 : 1"} << 3;
        QTest::newRow("11") << 11 << QStringList{"успоредник", "ромб", "квадрат", "правоъгълник"} << 4;
        QTest::newRow("12") << 12 << QStringList{"1:2", "1:3", "2:3", "1:4"} << 4;
        QTest::newRow("14") << 14 << QStringList{"1:4", "3:4", "2:3", "1:3"} << 4;
        QTest::newRow("15") << 15 << QStringList{"56", "28", "112", "32"} << 1;
        QTest::newRow("20") << 20 << QStringList{"15", "10", "20", "12"} << 1;
    }
    void geometryOptions()
    {
        QFETCH(int, k);
        QFETCH(QStringList, options);
        QFETCH(int, keyRow);
        const QStringList list = geometry().List1(k);
        QCOMPARE(list.mid(1), options);
        QCOMPARE(list.at(keyRow), geometry().List1(0).at(k - 1));
        QCOMPARE(list.count(list.at(keyRow)), 1);
    }

    void geometryExplanations_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("lines");
        const int counts[20] = {6, 12, 9, 6, 7, 13, 6, 9, 4, 11, 6, 13, 5, 10, 2, 4, 10, 3, 4, 5};
        for (int k = 1; k <= 20; ++k)
            QTest::addRow("%d", k) << k << counts[k - 1];
    }
    void geometryExplanations()
    {
        QFETCH(int, k);
        QFETCH(int, lines);
        const QStringList ex = geometry().Obqsnenie(k);
        QCOMPARE(ex.size(), lines);
        // The worked solution ends in the result, written as the key.
        const QString key = geometry().List1(0).at(k - 1);
        QVERIFY2(ex.last().endsWith(key), qPrintable(ex.last() + " / " + key));
        // The review box is about 480 pixels wide.
        for (const QString &line : ex) {
            QVERIFY2(line.size() <= 60, qPrintable(line));
            QVERIFY2(!line.trimmed().isEmpty(), "an empty explanation line");
        }
    }

    void geometryFigures_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<QSize>("size");
        for (int k = 1; k <= 20; ++k)
            QTest::addRow("%d", k) << k << FigureSizes.at(k - 1);
    }
    void geometryFigures()
    {
        QFETCH(int, k);
        QFETCH(QSize, size);
        const QString path = geometry().Picture1(k);
        if (size.isEmpty()) {
            QVERIFY2(path.isEmpty(), qPrintable(path));
            return;
        }
        const QImage image(path);
        QVERIFY2(!image.isNull(), qPrintable(path));
        QCOMPARE(image.size(), size);
        QVERIFY(path.endsWith(QStringLiteral("/q%1.jpg").arg(k, 2, 10, QLatin1Char('0'))));
        // A black drawing on white: white corners, some dark ink, mostly light.
        int dark = 0, light = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const int g = qGray(image.pixel(x, y));
                dark += g < 80;
                light += g > 200;   // white paper or the light grey of a filled area
            }
        QVERIFY(qGray(image.pixel(0, 0)) > 235);
        QVERIFY(qGray(image.pixel(image.width() - 1, image.height() - 1)) > 235);
        QVERIFY2(dark > 150, qPrintable(QString::number(dark)));
        QVERIFY(light > image.width() * image.height() * 6 / 10);
    }

    void geometryQuotedStems()
    {
        QCOMPARE(geometry().List1(9).at(0),
                 QStringLiteral("Един от диагоналите на ромба е равен на страната му. "
                                "Отношението между ъглите на ромба е:"));
        QCOMPARE(geometry().List1(19).at(0),
                 QStringLiteral("Диагоналът на един квадрат има дължина 10. Лицето му е:"));
    }

    void geometrySettings()
    {
        const Bank &b = geometry();
        const QStringList rows = {"Настройки - последната цифра", "ЧЕО - фраза от 2 части - 0",
                                  "Проверка за Тото - 1", "ВЕЛК по Геометрия - ромб, квадрат",
                                  "Дава описание - 1", "Дава обяснения - 0"};
        QCOMPARE(b.List2, rows);
        QCOMPARE(b.SettingDigit(PhraseMode), 0);
        QCOMPARE(b.SettingDigit(GuessCheck), 1);
        QCOMPARE(b.SettingDigit(ShowExplanation), 1);
        QCOMPARE(b.SettingDigit(ReviewBrowse), 0);
        QCOMPARE(b.Text1.size(), 4);
    }

    void geometryPlaceholders()
    {
        const Bank &b = geometry();
        for (int k = 21; k <= 39; ++k)
            QCOMPARE(b.List1(k), QStringList{QStringLiteral("List1(%1) - въпрос от теста").arg(k)});
        for (int k = 21; k <= 29; ++k) {
            QCOMPARE(b.Obqsnenie(k), QStringList{QStringLiteral("Обяснение %1").arg(k)});
            QVERIFY(b.Picture1(k).isEmpty());
        }
        QCOMPARE(b.Obqsnenie(0).size(), 1);
        QVERIFY(b.Picture1(0).isEmpty());
    }

    // Texts the old code page can carry, and point names in Latin capitals:
    // a Cyrillic "А" or "С" in "ABCD" looks right but is another letter.
    void geometryTextsAreClean()
    {
        QStringEncoder cp1251("windows-1251");
        QVERIFY(cp1251.isValid());
        const QRegularExpression mixed(QStringLiteral("[A-Z][\\x{0400}-\\x{04FF}]|[\\x{0400}-\\x{04FF}][A-Z]"));
        const QRegularExpression cyrillicCaps(QStringLiteral("\\b[АВСЕНКМОРТХ]{2,}\\b"));
        for (const QString &text : pupilTexts(geometry())) {
            const QByteArray bytes = cp1251.encode(text);
            QVERIFY2(!cp1251.hasError(), qPrintable(text));
            QVERIFY2(!mixed.match(text).hasMatch(), qPrintable(text));
            QVERIFY2(!cyrillicCaps.match(text).hasMatch(), qPrintable(text));
            QVERIFY2(!text.contains(QLatin1Char('_')), qPrintable(text));   // phrase mode is off
        }
    }

    // The figures are drawn from figures.txt: the description must draw
    // without fault exactly the figures the bank uses, and the committed
    // images must be what it draws now.
    void figureDescriptionMatchesImages()
    {
        QFile file(QStringLiteral(VELK_SOURCE_DIR "/content/geometry/figures.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const figgen::Description d = figgen::parse("figures.txt", QString::fromUtf8(file.readAll()));
        QVERIFY2(d.faults.isEmpty(), qPrintable(d.faults.join('\n')));
        QCOMPARE(d.figures.size(), 17);
        for (int i = 0; i < d.figures.size(); ++i) {
            const figgen::Figure &f = d.figures.at(i);
            const QString path = geometry().Picture1(i + 1);
            QVERIFY2(path.endsWith('/' + f.file), qPrintable(path + " / " + f.file));
            QCOMPARE(QSize(f.width, f.height), FigureSizes.at(i));
            QStringList faults;
            const QImage drawn = figgen::render(f, "figures.txt", &faults);
            QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
            const QImage stored(path);
            QCOMPARE(drawn.size(), stored.size());
            // JPEG noise and font hinting differ by a few levels; a changed
            // drawing differs by far more.
            qint64 diff = 0;
            for (int y = 0; y < drawn.height(); ++y)
                for (int x = 0; x < drawn.width(); ++x)
                    diff += qAbs(qGray(drawn.pixel(x, y)) - qGray(stored.pixel(x, y)));
            const double mean = double(diff) / (drawn.width() * drawn.height());
            QVERIFY2(mean < 6.0, qPrintable(QStringLiteral("%1 differs from its description by %2 per pixel; "
                                                           "redraw with the 'figures' target")
                                                .arg(f.file).arg(mean)));
        }
    }

    // --- the language bank ---------------------------------------------------
    void languageBankShape()
    {
        const LoadResult r = loadBankFile(LanguageBank);
        QVERIFY2(r.ok(), qPrintable(r.faults.join('\n')));
        const Bank &b = r.bank;
        QCOMPARE(b.List2.size(), 6);
        for (int row : {PhraseMode, GuessCheck, ShowExplanation, ReviewBrowse})
            QCOMPARE(b.SettingDigit(row), 1);
        QCOMPARE(b.settingRow(TestTitle), QStringLiteral("ВЕЛК по Български език - граматика"));
        const int n = b.List1(0).size();
        QVERIFY(n >= 6 && n <= 10);
        QSet<int> optionCounts;
        for (int k = 1; k <= n; ++k) {
            const QStringList list = b.List1(k);
            const int m = list.size() - 1;
            optionCounts << m;
            QVERIFY2(list.at(0).contains(QStringLiteral("___")), qPrintable(list.at(0)));
            QVERIFY(!b.Obqsnenie(k).isEmpty() && b.Obqsnenie(k) != QStringList{QStringLiteral("Обяснение %1").arg(k)});
            // Any option may land in the narrow fifth column.
            if (m == 5)
                for (const QString &option : list.mid(1))
                    QVERIFY2(option.size() <= 3, qPrintable(option));
        }
        QCOMPARE(optionCounts, (QSet<int>{2, 3, 4, 5}));
    }

    void languagePhrase_data()
    {
        QTest::addColumn<int>("question");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("phrase");
        // The phrase keeps the stem's blank before the gap and adds one on
        // each side of the word; the blank after the gap gives way to it.
        QTest::newRow("verb") << 0 << "ходи" << "Всяка сутрин Иван  ходи на училище пеша.";
        QTest::newRow("wrong verb") << 0 << "ходят" << "Всяка сутрин Иван  ходят на училище пеша.";
        QTest::newRow("preposition") << 2 << "със" << "Вчера ходих на кино  със сестра си.";
        QTest::newRow("article") << 3 << "учителят" << "Днес  учителят влезе в класа усмихнат.";
        QTest::newRow("particle") << 7 << "ли" << "Ще дойдеш  ли утре на мача?";
        QTest::newRow("count form") << 8 << "молива" << "Купих два  молива за училище.";
    }
    void languagePhrase()
    {
        QFETCH(int, question);
        QFETCH(QString, option);
        QFETCH(QString, phrase);
        ScriptedRandom random({0.1f, 0.25f, 0.5f, 0.75f, 0.9f});
        Engine e(loadBankFile(LanguageBank).bank, random);
        e.Form_Load();
        QVERIFY(e.model().Text2[6].visible);
        goToQuestion(e, question);
        QCOMPARE(e.model().Text2[6].text, QString());
        const int b = buttonShowing(e, option);
        QVERIFY2(b >= 0, qPrintable(option));
        e.clickOption(b);
        QCOMPARE(e.model().Text2[6].text, phrase);
        // Leaving and coming back shows the phrase again.
        e.clickCommand1(e.state().CurrentPos == 0 ? 0 : 1);
        goToQuestion(e, question);
        QCOMPARE(e.model().Text2[6].text, phrase);
    }

    void languageFifthOption()
    {
        ScriptedRandom random({0.1f, 0.0f});   // step 3, then every option order as stored
        Engine e(loadBankFile(LanguageBank).bank, random);
        e.Form_Load();
        goToQuestion(e, 1);   // "Ще се видим ___ вторник следобед." with five options
        const WindowModel &m = e.model();
        QVERIFY(m.Text2[5].visible);
        QVERIFY(m.Option1[4].visible && m.Option1[4].enabled);
        QCOMPARE(m.Text2[5].text, QStringLiteral("със"));
        e.clickOption(4);
        QCOMPARE(m.Text2[6].text, QStringLiteral("Ще се видим  със вторник следобед."));
        QCOMPARE(e.state().Verdicts.at(e.state().CurrentPos), QStringLiteral("0"));
        e.clickOption(1);   // "във", the right one
        QCOMPARE(m.Text2[6].text, QStringLiteral("Ще се видим  във вторник следобед."));
        QCOMPARE(e.state().Verdicts.at(e.state().CurrentPos), QStringLiteral("1"));
    }

    void languageGradingAndReview()
    {
        ScriptedRandom random({0.1f, 0.0f});
        Engine e(loadBankFile(LanguageBank).bank, random);
        e.Form_Load();
        const WindowModel &m = e.model();
        QCOMPARE(e.state().QuestionCount, 10);   // nine phrases and the copy of the first
        // Answer positions 0 and 1 rightly, leave position 2 open.
        QStringList phrases;
        for (int pos = 0; pos < 2; ++pos) {
            const QString key = e.bank().List1(0).at(e.state().Order.at(pos).toInt());
            e.clickOption(buttonShowing(e, key));
            phrases << m.Text2[6].text;
            QVERIFY(!phrases.last().isEmpty());
            e.clickCommand1(0);
        }
        e.clickCommand2(0);
        QVERIFY(!m.Command2[0].enabled);
        QVERIFY(m.Command2[1].visible && m.Command2[2].visible);
        QVERIFY(!m.Command1[0].visible && !m.Command1[1].visible);
        QVERIFY(m.Label1[3].visible);
        QCOMPARE(m.Label1[3].text, QStringLiteral("Частично!"));
        QVERIFY(m.Label1[1].text.endsWith(QStringLiteral("2/10 = 20%")));

        // Review starts at position 0 and shows its phrase and solution.
        QCOMPARE(e.state().CurrentPos, 0);
        QCOMPARE(m.Text2[6].text, phrases.at(0));
        const int q0 = e.state().Order.at(0).toInt();
        QCOMPARE(m.Text1.text, e.bank().Obqsnenie(q0 + 1).join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
        e.clickCommand2(1);
        QCOMPARE(e.state().CurrentPos, 1);
        QCOMPARE(m.Text2[6].text, phrases.at(1));
        e.clickCommand2(1);
        QCOMPARE(e.state().CurrentPos, 2);
        QCOMPARE(m.Text2[6].text, QString());
        QCOMPARE(m.Text1.text, QStringLiteral("Няма въведен отговор!"));
        e.clickCommand2(2);
        QCOMPARE(e.state().CurrentPos, 1);
        QCOMPARE(m.Text2[6].text, phrases.at(1));
        // Review answers nothing new: a disabled option button takes no click.
        e.clickOption(0);
        QCOMPARE(m.Text2[6].text, phrases.at(1));
    }

private:
    static void goToQuestion(Engine &e, int question)
    {
        const int pos = e.state().Order.indexOf(QString::number(question));
        QVERIFY(pos >= 0);
        while (e.state().CurrentPos < pos)
            e.clickCommand1(0);
        while (e.state().CurrentPos > pos)
            e.clickCommand1(1);
        QCOMPARE(e.state().CurrentPos, pos);
    }
    static int buttonShowing(const Engine &e, const QString &text)
    {
        for (int b = 0; b < 5; ++b)
            if (e.model().Text2[b + 1].visible && e.model().Text2[b + 1].text == text)
                return b;
        return -1;
    }
};

QTEST_MAIN(TestContent)
#include "test_content.moc"
