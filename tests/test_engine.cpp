// The test engine driven through its handlers: start-up, display and
// answering, phrase completion, navigation and bars, grading and review,
// the guess check, the window events and the number rules.

#include "bankfile.h"
#include "engine.h"
#include "numbers.h"

#include <QtTest>

#include <memory>

using namespace velk;

#define S(x) QStringLiteral(x)

namespace {

// A synthetic bank: question q has the stem "Въпрос q", the options
// "q-1".."q-m" in stored order, the key "q-2", three explanation lines and,
// unless q % 3 == 2, a figure path.
QString optionText(int q, int row) { return QStringLiteral("%1-%2").arg(q).arg(row); }
QString keyText(int q) { return optionText(q, 2); }
QString figureOf(int q) { return q % 3 == 2 ? QString() : QStringLiteral(":/t/fig%1.png").arg(q); }

struct Settings {
    int phrase = 0, guess = 0, explain = 1, browse = 0;
};

Bank makeBank(int n, int m, Settings s = {})
{
    Bank b;
    b.List2 = {S("Настройки - последната цифра"), S("ЧЕО - фраза от 2 части - %1").arg(s.phrase),
               S("Проверка за Тото - %1").arg(s.guess), S("Тест по геометрия - ромб"),
               S("Дава описание - %1").arg(s.explain), S("Дава обяснения - %1").arg(s.browse)};
    QStringList *key = b.List1Mut(0);
    for (int q = 0; q < n; ++q) {
        *key << keyText(q);
        QStringList *list = b.List1Mut(q + 1);
        list->clear();
        *list << S("Въпрос %1").arg(q);
        for (int row = 1; row <= m; ++row)
            *list << optionText(q, row);
        if (q + 1 <= Bank::Slots) {
            b.obqsnenieRef(q + 1) = QStringList{S("Ред 1 на %1").arg(q), S("Ред 2 на %1").arg(q),
                                                S("Ред 3 на %1").arg(q)};
            b.setPicture1(q + 1, figureOf(q));
        }
    }
    return b;
}

// The primes below N, as the step choice leaves them.
QList<int> primesBelow(int n)
{
    QList<int> out;
    for (int p : {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31})
        if (p < n)
            out << p;
    return out;
}

// The smallest prime below N that does not divide it.
int firstStep(int n)
{
    for (int p : primesBelow(n))
        if (n % p != 0)
            return p;
    return 0;
}

// A draw that picks `step` out of the primes below N at the first try.
float stepDraw(int n, int step)
{
    const int k = int(primesBelow(n).indexOf(step));
    Q_ASSERT(k >= 0);
    return k < 10 ? float(k) / 10.0f : 0.96f;
}

struct Run {
    ScriptedRandom random;
    Engine engine;
    Run(Bank bank, QList<float> draws) : random(std::move(draws)), engine(std::move(bank), random)
    {
        engine.Form_Load();
    }
    const TestState &st() const { return engine.state(); }
    const WindowModel &win() const { return engine.model(); }
};

// A started run; option orders all "12..m" unless draws say otherwise.
std::unique_ptr<Run> start(int n, int m, int step, Settings s = {}, QList<float> optionDraws = {0.0f})
{
    const int total = n + (s.guess == 1 ? 1 : 0);
    QList<float> draws{stepDraw(total, step)};
    draws << optionDraws;
    return std::make_unique<Run>(makeBank(n, m, s), draws);
}

int posOf(const Run &r, int q) { return int(r.st().Order.indexOf(QString::number(q))); }

void goTo(Run &r, int pos)
{
    while (r.st().CurrentPos < pos)
        r.engine.clickCommand1(0);
    while (r.st().CurrentPos > pos)
        r.engine.clickCommand1(1);
    QCOMPARE(int(r.st().CurrentPos), pos);
}

// The button that shows `text` at the shown position, -1 if none.
int buttonOf(const Run &r, const QString &text)
{
    for (int b = 0; b < 5; ++b)
        if (r.win().Option1[b].visible && r.win().Text2[b + 1].text == text)
            return b;
    return -1;
}

int shownQuestion(const Run &r) { return rowInt(r.st().Order, r.st().CurrentPos); }

// Answers the shown position: the key, or the first button that does not show it.
void answerShown(Run &r, bool right)
{
    const QString key = r.engine.bank().List1(0).at(shownQuestion(r));
    const int b = right ? buttonOf(r, key) : (r.win().Text2[1].text == key ? 1 : 0);
    QVERIFY(b >= 0);
    r.engine.clickOption(b);
}

// Positions 0..right-1 right, the next `wrong` positions wrong, the rest
// unanswered; ends at position 0.
void answerPositions(Run &r, int right, int wrong)
{
    for (int pos = 0; pos < right + wrong; ++pos) {
        goTo(r, pos);
        answerShown(r, pos < right);
    }
    goTo(r, 0);
}

QStringList dumpState(const TestState &s, bool withPos = true)
{
    QStringList d;
    if (withPos)
        d << S("CurrentPos=%1").arg(s.CurrentPos);
    d << S("LastChoice=%1 Step=%2 N=%3 Answered=%4")
             .arg(s.LastChoice).arg(s.Step).arg(s.QuestionCount).arg(s.AnsweredCount);
    for (const QStringList *t : {&s.Choices, &s.Order, &s.OptionOrders, &s.Verdicts, &s.KeyPositions,
                                 &s.StepPrimes, &s.GuessPair})
        d << t->join(QLatin1Char('|'));
    return d;
}

QStringList dumpModel(const WindowModel &m)
{
    QStringList d{m.figure};
    for (const Control *c : m.controls())
        d << S("%1(%2) %3 %4 %5 %6 [%7] %8 v%9 e%10 c%11")
                 .arg(QString::fromLatin1(c->name)).arg(c->index)
                 .arg(c->left, 0, 'f', 2).arg(c->top, 0, 'f', 2).arg(c->width, 0, 'f', 2)
                 .arg(c->height, 0, 'f', 2).arg(c->text, c->colour)
                 .arg(c->visible).arg(c->enabled).arg(c->checked);
    return d;
}

QString twoDecimals(float v) { return QString::number(v, 'f', 2); }

QStringList checkedButtons(const WindowModel &m)
{
    QStringList out;
    for (int b = 0; b < 5; ++b)
        if (m.Option1[b].checked)
            out << QString::number(b);
    return out;
}

}  // namespace

class TestEngine : public QObject {
    Q_OBJECT
private slots:
    // --- start-up ---------------------------------------------------------
    void stepChoiceAndOrder_data();
    void stepChoiceAndOrder();
    void trimming_data();
    void trimming();
    void optionOrderRows_data();
    void optionOrderRows();
    void optionOrdersFollowQuestionNumber();
    void shippedBankDuplicate_data();
    void shippedBankDuplicate();
    void copyShowsFigureOfFirstQuestion();
    void stateAfterStartup();
    void settingDigit_data();
    void settingDigit();
    void switchDigits_data();
    void switchDigits();
    // --- display and answering -------------------------------------------
    void firstAnswerCountsOnce();
    void reentryRunsHandlerNested();
    void exactTextComparison_data();
    void exactTextComparison();
    void threeOptions_data();
    void threeOptions();
    void twoMatchingOptions();
    void noMatchingOption();
    void guessPairRows();
    void figureFollowsQuestion();
    // --- navigation and bars ---------------------------------------------
    void positionBar_data();
    void positionBar();
    void answeredBar_data();
    void answeredBar();
    void showSameAgainAtEnds_data();
    void showSameAgainAtEnds();
    // --- grading and review ----------------------------------------------
    void percentage_data();
    void percentage();
    void scoreLineAppendedOnce();
    void reviewPositions_data();
    void reviewPositions();
    void reviewBrowse_data();
    void reviewBrowse();
    void reviewWithoutExplanation();
    void gradingLocksState();
    // --- guess check ------------------------------------------------------
    void guessCheck_data();
    void guessCheck();
    // --- phrase completion -----------------------------------------------
    void phrase_data();
    void phrase();
    void phraseModeOff();
    void phraseFollowsAnswerReentryAndReview();
    // --- events -----------------------------------------------------------
    void ignoredClicks();
    void authorAndExit();
    // --- numbers ----------------------------------------------------------
    void numericValue_data();
    void numericValue();
    void toInt16_data();
    void toInt16();
};

// ---------------------------------------------------------------------------

void TestEngine::stepChoiceAndOrder_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QList<float>>("stepDraws");
    QTest::addColumn<int>("step");
    QTest::addColumn<QStringList>("order");

    QTest::newRow("N=3") << 3 << QList<float>{0.0f} << 2 << QStringList{"2", "1", "0"};
    // "2" divides 4: drawn twice (0.0, then 0.2 rounds to 2, 2 Mod 2 = 0), then 0.3 gives "3".
    QTest::newRow("N=4 redraws") << 4 << QList<float>{0.0f, 0.2f, 0.3f} << 3
                                 << QStringList{"3", "2", "1", "0"};
    QStringList order21;
    for (int p = 1; p <= 21; ++p)
        order21 << QString::number(2 * p % 21);
    QTest::newRow("N=21 step 2") << 21 << QList<float>{0.0f} << 2 << order21;
    // Halves round to even: 0.45 * 10 = 4.5 -> 4 -> row 4 of 2,3,5,7,11,13,17,19.
    QStringList order20;
    for (int p = 1; p <= 20; ++p)
        order20 << QString::number(11 * p % 20);
    QTest::newRow("N=20 half to even") << 20 << QList<float>{0.45f} << 11 << order20;
    // 2.5 -> 2 -> "5" for N = 21.
    QStringList order21s5;
    for (int p = 1; p <= 21; ++p)
        order21s5 << QString::number(5 * p % 21);
    QTest::newRow("N=21 0.25") << 21 << QList<float>{0.25f} << 5 << order21s5;
    // 1.7 rounds up to row 2 ("5"); cut down to row 1 it would be "3", which divides 21.
    QTest::newRow("N=21 0.17 rounds") << 21 << QList<float>{0.17f} << 5 << order21s5;
}

void TestEngine::stepChoiceAndOrder()
{
    QFETCH(int, n);
    QFETCH(QList<float>, stepDraws);
    QFETCH(int, step);
    QFETCH(QStringList, order);

    QList<float> draws = stepDraws;
    draws << 0.0f;   // option orders
    Run r(makeBank(n, 4), draws);
    QCOMPARE(int(r.st().Step), step);
    QCOMPARE(r.st().Order, order);
    // Every step draw and one option-order draw per question, nothing more.
    QCOMPARE(r.random.drawn(), int(stepDraws.size()) + n);
    if (n == 21 && step == 2)
        QCOMPARE(r.st().Order.at(9), S("20"));
}

void TestEngine::trimming_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QStringList>("primes");
    const QStringList all{"2", "3", "5", "7", "11", "13", "17", "19", "23", "29", "31"};
    QTest::newRow("N=3") << 3 << all.mid(0, 1);
    QTest::newRow("N=4") << 4 << all.mid(0, 2);
    QTest::newRow("N=20") << 20 << all.mid(0, 8);
    QTest::newRow("N=21") << 21 << all.mid(0, 8);
    QTest::newRow("N=23 drops 23") << 23 << all.mid(0, 8);
    QTest::newRow("N=24") << 24 << all.mid(0, 9);
    QTest::newRow("N=32 keeps all") << 32 << all;
}

void TestEngine::trimming()
{
    QFETCH(int, n);
    QFETCH(QStringList, primes);
    Run r(makeBank(n, 2), {stepDraw(n, firstStep(n)), 0.0f});
    QCOMPARE(r.st().StepPrimes, primes);
    QVERIFY(n % r.st().Step != 0);
}

void TestEngine::optionOrderRows_data()
{
    QTest::addColumn<int>("m");
    QTest::addColumn<float>("draw");
    QTest::addColumn<QString>("row");
    QTest::newRow("m=4 r=1000") << 4 << 0.9996f << S("3412");
    QTest::newRow("m=4 r=0") << 4 << 0.0f << S("1234");
    QTest::newRow("m=4 r=12.5 to even") << 4 << 0.0125f << S("3124");
    QTest::newRow("m=4 r=13.5 to even") << 4 << 0.0135f << S("3214");
    QTest::newRow("m=2 r=0") << 2 << 0.0f << S("12");
    QTest::newRow("m=2 r=1") << 2 << 0.001f << S("21");
    QTest::newRow("m=3 r=1000") << 3 << 0.9996f << S("312");
    QTest::newRow("m=5 r=1000") << 5 << 0.9996f << S("24513");
}

void TestEngine::optionOrderRows()
{
    QFETCH(int, m);
    QFETCH(float, draw);
    QFETCH(QString, row);
    Run r(makeBank(3, m), {0.0f, draw});
    QCOMPARE(r.st().OptionOrders, QStringList({row, row, row}));
}

void TestEngine::optionOrdersFollowQuestionNumber()
{
    // N = 3, step 2: position 0 shows question 2. Draws r = 0, 1, 2 give the
    // questions 0, 1, 2 the rows "123", "132", "213".
    Run r(makeBank(3, 3), {0.0f, 0.0f, 0.001f, 0.002f});
    QCOMPARE(r.st().OptionOrders, QStringList({"123", "132", "213"}));
    QCOMPARE(r.win().Text2[0].text, S("Въпрос 2"));
    QCOMPARE(r.win().Text2[1].text, optionText(2, 2));
    QCOMPARE(r.win().Text2[2].text, optionText(2, 1));
    QCOMPARE(r.win().Text2[3].text, optionText(2, 3));
    QCOMPARE(r.st().KeyPositions.at(0), S("0"));
    r.engine.clickCommand1(0);   // position 1: question 1, "132"
    QCOMPARE(r.win().Text2[1].text, optionText(1, 1));
    QCOMPARE(r.win().Text2[2].text, optionText(1, 3));
    QCOMPARE(r.win().Text2[3].text, optionText(1, 2));
    QCOMPARE(r.st().KeyPositions.at(1), S("2"));
}

void TestEngine::shippedBankDuplicate_data()
{
    QTest::addColumn<QString>("digit");
    QTest::addColumn<int>("n");
    QTest::newRow("1 copies") << S("1") << 21;
    QTest::newRow("0") << S("0") << 20;
    QTest::newRow("2") << S("2") << 20;
    QTest::newRow("letter") << S("а") << 20;
}

void TestEngine::shippedBankDuplicate()
{
    QFETCH(QString, digit);
    QFETCH(int, n);
    LoadResult loaded = loadBankFile(S(VELK_SOURCE_DIR "/content/geometry/bank.txt"));
    QVERIFY2(loaded.ok(), qPrintable(loaded.faults.join('\n')));
    Bank bank = loaded.bank;
    const QStringList first = bank.List1(1);
    const QString key0 = bank.List1(0).at(0);
    bank.List2[GuessCheck].chop(1);
    bank.List2[GuessCheck] += digit;

    ScriptedRandom random({stepDraw(n, n == 21 ? 2 : 3), 0.0f});
    Engine e(bank, random);
    e.Form_Load();
    QCOMPARE(int(e.state().QuestionCount), n);
    QCOMPARE(int(e.bank().List1(0).size()), n);
    QCOMPARE(e.model().Label1[0].text, S("ВЕЛК по Геометрия - ромб, квадрат"));
    if (n == 21) {
        QCOMPARE(e.bank().List1(0).at(20), key0);
        QCOMPARE(e.bank().List1(21), first);
        QCOMPARE(e.bank().Picture1(21), bank.Picture1(1));
        QCOMPARE(e.bank().Picture1(20), bank.Picture1(20));
        QCOMPARE(e.state().Order.at(9), S("20"));   // the copy stands at position 9 with step 2
    } else {
        QCOMPARE(e.bank().List1(21), QStringList{S("List1(21) - въпрос от теста")});
        QVERIFY(e.bank().Picture1(21).isEmpty());
    }
}

void TestEngine::copyShowsFigureOfFirstQuestion()
{
    // 20 questions and the copy: slot 21 shows the figure of question 0,
    // slot 20 (question 19) keeps its own.
    auto r = start(20, 4, 2, {0, 1, 1, 1});
    QVERIFY(!figureOf(0).isEmpty());
    QCOMPARE(r->engine.bank().Picture1(21), figureOf(0));
    QCOMPARE(r->engine.bank().Picture1(20), figureOf(19));
    goTo(*r, posOf(*r, 20));
    QCOMPARE(r->win().figure, figureOf(0));
    QCOMPARE(r->win().Text2[0].text, S("Въпрос 0"));
    answerShown(*r, true);
    goTo(*r, posOf(*r, 19));
    QCOMPARE(r->win().figure, figureOf(19));

    // In review the copy lists the explanation slot of its own number.
    r->engine.clickCommand2(0);
    while (r->st().CurrentPos < posOf(*r, 20))
        r->engine.clickCommand2(1);
    QCOMPARE(r->win().Text1.text, S("Обяснение 21\r\n"));
    QCOMPARE(r->win().figure, figureOf(0));
}

void TestEngine::stateAfterStartup()
{
    auto r = start(20, 4, 2, {0, 1, 1, 0});
    const TestState &s = r->st();
    const QStringList minus(21, S("-1"));
    QCOMPARE(s.Choices, minus);
    QCOMPARE(s.Verdicts, minus);
    // Showing position 0 already records where its key stands.
    QCOMPARE(s.KeyPositions.mid(1), minus.mid(1));
    QCOMPARE(s.KeyPositions.at(0), S("1"));
    QCOMPARE(s.Order.first(), S("2"));
    QCOMPARE(s.Order.last(), S("0"));
    QCOMPARE(int(s.CurrentPos), 0);
    QCOMPARE(int(s.AnsweredCount), 0);
    QCOMPARE(s.GuessPair, QStringList({"Pyrwi", "Posleden"}));
    QCOMPARE(r->win().Picture1.colour, Red);
    QCOMPARE(r->win().Label1[0].text, S("Тест по геометрия - ромб"));
    QCOMPARE(r->win().Text2[0].text, S("Въпрос 2"));
    QVERIFY(!r->win().Text2[6].visible);
    QVERIFY(checkedButtons(r->win()).isEmpty());
}

void TestEngine::settingDigit_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<int>("digit");
    QTest::newRow("1") << S("Проверка за Тото - 1") << 1;
    QTest::newRow("7") << S("x7") << 7;
    QTest::newRow("2") << S("Дава описание - 2") << 2;
    QTest::newRow("0") << S("ЧЕО - 0") << 0;
    QTest::newRow("letter") << S("ВЕЛК по Геометрия - ромб, квадрат") << 0;
    QTest::newRow("blank") << S("Проверка за Тото - 1 ") << 0;
    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("only digit") << S("9") << 9;
    QTest::newRow("sign") << S("Тото -") << 0;
    QTest::newRow("non-latin digit") << QString(QChar(0x0663)) << 0;
}

void TestEngine::settingDigit()
{
    QFETCH(QString, row);
    QFETCH(int, digit);
    Bank b;
    b.List2 = {S("h"), S("h"), row};
    QCOMPARE(b.SettingDigit(2), digit);
    QCOMPARE(b.SettingDigit(6), 0);    // no such row
    QCOMPARE(b.SettingDigit(-1), 0);
}

void TestEngine::switchDigits_data()
{
    QTest::addColumn<int>("digit");
    QTest::addColumn<bool>("phraseBox");
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("verdictLabel");
    QTest::addColumn<bool>("explanation");
    QTest::addColumn<bool>("reviewButtons");
    QTest::newRow("0") << 0 << false << 4 << false << false << false;
    QTest::newRow("1") << 1 << true << 5 << true << true << true;
    QTest::newRow("2") << 2 << false << 4 << true << true << false;
    QTest::newRow("9") << 9 << false << 4 << true << true << false;
}

void TestEngine::switchDigits()
{
    QFETCH(int, digit);
    QFETCH(bool, phraseBox);
    QFETCH(int, n);
    QFETCH(bool, verdictLabel);
    QFETCH(bool, explanation);
    QFETCH(bool, reviewButtons);
    Settings s{digit, digit, digit, digit};
    auto r = start(4, 4, n == 5 ? 2 : 3, s);
    QCOMPARE(r->win().Text2[6].visible, phraseBox);
    QCOMPARE(int(r->st().QuestionCount), n);
    answerShown(*r, true);
    QCOMPARE(r->win().Text2[6].text.isEmpty(), !phraseBox);
    r->engine.clickCommand2(0);
    QCOMPARE(r->win().Label1[3].visible, verdictLabel);
    QCOMPARE(r->win().Text1.text.isEmpty(), !explanation);
    QCOMPARE(r->win().Command2[1].visible, reviewButtons);
    QCOMPARE(r->win().Command2[2].visible, reviewButtons);
}

// ---------------------------------------------------------------------------

void TestEngine::firstAnswerCountsOnce()
{
    auto r = start(20, 4, 2, {0, 1, 1, 0});
    answerShown(*r, true);
    QCOMPARE(int(r->st().AnsweredCount), 1);
    QCOMPARE(r->win().Label1[2].text, S("Въведени отговори: 1/21"));
    QCOMPARE(r->st().Verdicts.at(0), S("1"));
    QCOMPARE(r->st().Choices.at(0), S("1"));
    QCOMPARE(r->win().Picture1.colour, Green);

    // Another option: verdict turns to "0", the count and strip stay.
    answerShown(*r, false);
    QCOMPARE(int(r->st().AnsweredCount), 1);
    QCOMPARE(r->st().Verdicts.at(0), S("0"));
    QCOMPARE(r->st().Choices.at(0), S("0"));
    QCOMPARE(r->win().Picture1.colour, Green);
    QCOMPARE(int(r->st().LastChoice), 0);

    // The same option again, and a second position.
    r->engine.clickOption(0);
    QCOMPARE(int(r->st().AnsweredCount), 1);
    r->engine.clickCommand1(0);
    QCOMPARE(r->win().Picture1.colour, Red);
    answerShown(*r, true);
    QCOMPARE(int(r->st().AnsweredCount), 2);
    QCOMPARE(r->win().Label1[2].text, S("Въведени отговори: 2/21"));
}

void TestEngine::reentryRunsHandlerNested()
{
    auto r = start(20, 4, 2, {1, 1, 1, 0});
    const int pos0 = posOf(*r, 0);
    goTo(*r, pos0);
    answerShown(*r, false);
    QCOMPARE(r->st().GuessPair.at(0), optionText(0, 1));
    goTo(*r, 0);
    const QStringList before = dumpState(r->st(), false);

    // Marks that only the handler can overwrite.
    TestState &st = r->engine.state();
    st.LastChoice = 4;
    st.GuessPair[0] = S("метка");
    goTo(*r, pos0);
    QCOMPARE(int(st.LastChoice), 0);
    QCOMPARE(st.GuessPair.at(0), optionText(0, 1));
    QCOMPARE(checkedButtons(r->win()), QStringList{"0"});
    QCOMPARE(r->win().Picture1.colour, Green);
    // The phrase is written after UpdateProgress emptied the box.
    QCOMPARE(r->win().Text2[6].text, S("Въпрос 0 ") + optionText(0, 1) + S(" "));
    goTo(*r, 0);
    QCOMPARE(dumpState(r->st(), false), before);

    // The verdict is judged again on the texts just shown, not copied.
    st.Verdicts[pos0] = S("1");
    goTo(*r, pos0);
    QCOMPARE(st.Verdicts.at(pos0), S("0"));
    QCOMPARE(int(st.AnsweredCount), 1);
}

void TestEngine::exactTextComparison_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("verdict");
    QTest::newRow("same") << S("1 : 2") << S("1");
    QTest::newRow("no blanks") << S("1:2") << S("0");
    QTest::newRow("trailing blank") << S("1 : 2 ") << S("0");
    QTest::newRow("leading blank") << S(" 1 : 2") << S("0");
    QTest::newRow("other colon") << S("1 ∶ 2") << S("0");
}

void TestEngine::exactTextComparison()
{
    QFETCH(QString, option);
    QFETCH(QString, verdict);
    Bank bank = makeBank(3, 2);
    (*bank.List1Mut(0))[2] = S("1 : 2");
    *bank.List1Mut(3) = QStringList{S("Отношението е:"), option, S("ромб")};
    Run r(bank, {0.0f, 0.0f});
    QCOMPARE(shownQuestion(r), 2);
    r.engine.clickOption(0);
    QCOMPARE(r.st().Verdicts.at(0), verdict);
    QCOMPARE(r.st().KeyPositions.at(0), verdict == S("1") ? S("0") : S("-1"));
}

void TestEngine::threeOptions_data()
{
    QTest::addColumn<float>("draw");
    QTest::addColumn<QString>("order");
    QTest::addColumn<QString>("keyPos");
    // The key is stored row 2.
    QTest::newRow("123") << 0.0f << S("123") << S("1");
    QTest::newRow("132") << 0.001f << S("132") << S("2");
    QTest::newRow("213") << 0.002f << S("213") << S("0");
    QTest::newRow("321") << 0.005f << S("321") << S("1");
}

void TestEngine::threeOptions()
{
    QFETCH(float, draw);
    QFETCH(QString, order);
    QFETCH(QString, keyPos);
    // Question 2 (shown first) has three options; the others five, so the
    // hidden boxes hold texts from before.
    Bank bank = makeBank(3, 5);
    *bank.List1Mut(3) = QStringList{S("Въпрос 2"), optionText(2, 1), optionText(2, 2), optionText(2, 3)};
    Run r(bank, {0.0f, 0.0f, 0.0f, draw});
    QCOMPARE(r.st().OptionOrders.at(2), order);
    QCOMPARE(r.st().KeyPositions.at(0), keyPos);
    for (int j = 1; j <= 5; ++j) {
        QCOMPARE(r.win().Text2[j].visible, j <= 3);
        QCOMPARE(r.win().Option1[j - 1].visible, j <= 3);
    }
    r.engine.clickCommand1(0);   // question 1, five options
    QVERIFY(r.win().Text2[5].visible);
    r.engine.clickCommand1(1);   // back to three: box 5 hidden, text kept
    QVERIFY(!r.win().Text2[5].visible);
    QCOMPARE(r.win().Text2[5].text, optionText(1, 5));
    QCOMPARE(r.st().KeyPositions.at(0), keyPos);
    r.engine.clickOption(keyPos.toInt());
    QCOMPARE(r.st().Verdicts.at(0), S("1"));
}

void TestEngine::twoMatchingOptions()
{
    Bank bank = makeBank(3, 4);
    (*bank.List1Mut(3))[4] = keyText(2);   // rows 2 and 4 carry the key
    Run r(bank, {0.0f, 0.0f});
    QCOMPARE(shownQuestion(r), 2);
    QCOMPARE(r.st().KeyPositions.at(0), S("3"));   // the last one wins
    r.engine.clickOption(1);
    QCOMPARE(r.st().Verdicts.at(0), S("1"));
    r.engine.clickOption(3);
    QCOMPARE(r.st().Verdicts.at(0), S("1"));
    r.engine.clickOption(0);
    QCOMPARE(r.st().Verdicts.at(0), S("0"));
}

void TestEngine::noMatchingOption()
{
    Bank bank = makeBank(3, 4);
    (*bank.List1Mut(0))[2] = S("няма го");
    Run r(bank, {0.0f, 0.0f});
    QCOMPARE(r.st().KeyPositions.at(0), S("-1"));
    for (int b = 0; b < 4; ++b) {
        r.engine.clickOption(b);
        QCOMPARE(r.st().Verdicts.at(0), S("0"));
    }
    r.engine.clickCommand2(0);
    // Review paints only the chosen (wrong) option.
    QCOMPARE(r.win().Option1[3].colour, Red);
    for (int b = 0; b < 3; ++b)
        QCOMPARE(r.win().Option1[b].colour, LightBlue);
}

void TestEngine::guessPairRows()
{
    // Without the guess check: row 0 from question 0, row 1 from the bank's
    // last question N - 1.
    auto r = start(5, 4, 2);
    goTo(*r, posOf(*r, 4));
    answerShown(*r, true);
    QCOMPARE(r->st().GuessPair, QStringList({S("Pyrwi"), keyText(4)}));
    goTo(*r, posOf(*r, 0));
    answerShown(*r, false);
    QCOMPARE(r->st().GuessPair, QStringList({optionText(0, 1), keyText(4)}));
    goTo(*r, posOf(*r, 1));
    answerShown(*r, false);
    QCOMPARE(r->st().GuessPair, QStringList({optionText(0, 1), keyText(4)}));
}

void TestEngine::figureFollowsQuestion()
{
    auto r = start(6, 4, 5);   // order 5, 4, 3, 2, 1, 0
    QCOMPARE(r->st().Order, QStringList({"5", "4", "3", "2", "1", "0"}));
    QVERIFY(r->win().figure.isEmpty());   // question 5 has none
    r->engine.clickCommand1(0);
    QCOMPARE(r->win().figure, figureOf(4));
    r->engine.clickCommand1(0);
    QCOMPARE(r->win().figure, figureOf(3));
    r->engine.clickCommand1(0);
    QVERIFY(r->win().figure.isEmpty());   // question 2: empty after a figure
}

// ---------------------------------------------------------------------------

void TestEngine::positionBar_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("pos");
    QTest::addColumn<QStringList>("bar");   // filled width, remaining left, remaining width
    QTest::newRow("N=21 start") << 21 << 0 << QStringList{"50.00", "290.00", "10235.00"};
    QTest::newRow("N=21 pos 1") << 21 << 1 << QStringList{"551.19", "791.19", "9733.81"};
    QTest::newRow("N=21 last") << 21 << 20 << QStringList{"10073.81", "10313.81", "211.19"};
    QTest::newRow("N=20 last") << 20 << 19 << QStringList{"10048.75", "10288.75", "236.25"};
    QTest::newRow("N=36 last") << 36 << 35 << QStringList{"10282.64", "10522.64", "2.36"};
    QTest::newRow("N=37 last") << 37 << 36 << QStringList{"10290.54", "10530.54", "0.00"};
}

void TestEngine::positionBar()
{
    QFETCH(int, n);
    QFETCH(int, pos);
    QFETCH(QStringList, bar);
    Run r(makeBank(n, 2), {stepDraw(n, firstStep(n)), 0.0f});
    goTo(r, pos);
    const WindowModel &w = r.win();
    QCOMPARE(twoDecimals(w.Shape1[0].left), S("240.00"));
    QCOMPARE(QStringList({twoDecimals(w.Shape1[0].width), twoDecimals(w.Shape1[1].left),
                          twoDecimals(w.Shape1[1].width)}),
             bar);
    // Nothing answered: the answered bar stays at its start.
    QCOMPARE(QStringList({twoDecimals(w.Shape2[0].width), twoDecimals(w.Shape2[1].left),
                          twoDecimals(w.Shape2[1].width)}),
             QStringList({"50.00", "290.00", "10235.00"}));
    QCOMPARE(w.Label1[2].text, S("Въведени отговори: 0/%1").arg(n));
}

void TestEngine::answeredBar_data()
{
    QTest::addColumn<int>("answered");
    QTest::addColumn<QStringList>("bar");
    QTest::newRow("0") << 0 << QStringList{"50.00", "290.00", "10235.00"};
    QTest::newRow("1 draws as 0") << 1 << QStringList{"50.00", "290.00", "10235.00"};
    QTest::newRow("2") << 2 << QStringList{"551.19", "791.19", "9733.81"};
    QTest::newRow("all 21") << 21 << QStringList{"10073.81", "10313.81", "211.19"};
}

void TestEngine::answeredBar()
{
    QFETCH(int, answered);
    QFETCH(QStringList, bar);
    auto r = start(20, 4, 2, {0, 1, 1, 0});
    answerPositions(*r, answered, 0);
    const WindowModel &w = r->win();
    QCOMPARE(QStringList({twoDecimals(w.Shape2[0].width), twoDecimals(w.Shape2[1].left),
                          twoDecimals(w.Shape2[1].width)}),
             bar);
    QCOMPARE(w.Label1[2].text, S("Въведени отговори: %1/21").arg(answered));
    // The bars keep their values through grading and review.
    r->engine.clickCommand2(0);
    QCOMPARE(twoDecimals(w.Shape2[0].width), bar.at(0));
    QCOMPARE(twoDecimals(w.Shape1[0].width), S("50.00"));
}

void TestEngine::showSameAgainAtEnds_data()
{
    QTest::addColumn<bool>("forward");
    QTest::addColumn<bool>("answered");
    QTest::newRow("Forward at last") << true << false;
    QTest::newRow("Forward at last, answered") << true << true;
    QTest::newRow("Back at 0") << false << false;
    QTest::newRow("Back at 0, answered") << false << true;
}

void TestEngine::showSameAgainAtEnds()
{
    QFETCH(bool, forward);
    QFETCH(bool, answered);
    auto r = start(4, 4, 3, {1, 0, 1, 0});
    goTo(*r, forward ? 3 : 0);
    if (answered)
        answerShown(*r, false);
    const QStringList state = dumpState(r->st());
    const QStringList model = dumpModel(r->win());
    r->engine.clickCommand1(forward ? 0 : 1);
    QCOMPARE(dumpState(r->st()), state);
    QCOMPARE(dumpModel(r->win()), model);
}

// ---------------------------------------------------------------------------

void TestEngine::percentage_data()
{
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("wrong");
    QTest::addColumn<QString>("label");
    QTest::newRow("14 of 21 truncated") << 14 << 7 << S("Резултат: 14/21 = 66%");
    QTest::newRow("20 of 21 truncated") << 20 << 1 << S("Резултат: 20/21 = 95%");
    QTest::newRow("no answer") << 0 << 0 << S("Резултат: 0/21 = 0%");
    QTest::newRow("all wrong") << 0 << 21 << S("Резултат: 0/21 = 0%");
    QTest::newRow("all right") << 21 << 0 << S("Резултат: 21/21 = 100%");
    QTest::newRow("1 of 21, some unanswered") << 1 << 3 << S("Резултат: 1/21 = 4%");
}

void TestEngine::percentage()
{
    QFETCH(int, right);
    QFETCH(int, wrong);
    QFETCH(QString, label);
    auto r = start(20, 4, 2, {0, 1, 1, 0});
    answerPositions(*r, right, wrong);
    r->engine.clickCommand2(0);
    QCOMPARE(r->win().Label1[1].text, label);
}

void TestEngine::scoreLineAppendedOnce()
{
    auto r = start(4, 4, 3, {0, 0, 1, 1});
    answerPositions(*r, 2, 1);
    r->engine.model().Label1[1].text = S("Точки: ");   // the line goes after whatever it holds
    r->engine.clickCommand2(0);
    const QString label = r->win().Label1[1].text;
    QCOMPARE(label, S("Точки: 2/4 = 50%"));
    QVERIFY(!r->win().Command2[0].enabled);
    r->engine.clickCommand2(0);   // disabled: ignored
    r->engine.clickCommand2(1);
    r->engine.clickCommand2(0);
    QCOMPARE(r->win().Label1[1].text, label);
    QCOMPARE(int(r->st().CurrentPos), 1);
}

void TestEngine::reviewPositions_data()
{
    QTest::addColumn<int>("pos");
    QTest::addColumn<QStringList>("colours");
    QTest::addColumn<QStringList>("checked");
    QTest::addColumn<QString>("strip");
    QTest::addColumn<QString>("help");
    // Identity option orders: the key (row 2) is button 1, the wrong
    // answer given (row 1) button 0. Positions 0 right, 1 wrong, 2 none.
    const QString lines = S("Ред 1 на %1\r\nРед 2 на %1\r\nРед 3 на %1\r\n");
    // Order with step 3, N = 4: 3, 2, 1, 0.
    QTest::newRow("right") << 0 << QStringList{LightBlue, Green, LightBlue, LightBlue}
                           << QStringList{"1"} << Green << lines.arg(3);
    QTest::newRow("wrong") << 1 << QStringList{Red, Green, LightBlue, LightBlue}
                           << QStringList{"0"} << Red << lines.arg(2);
    QTest::newRow("unanswered") << 2 << QStringList{LightBlue, LightBlue, LightBlue, LightBlue}
                                << QStringList{} << Red << S("Няма въведен отговор!");
}

void TestEngine::reviewPositions()
{
    QFETCH(int, pos);
    QFETCH(QStringList, colours);
    QFETCH(QStringList, checked);
    QFETCH(QString, strip);
    QFETCH(QString, help);
    auto r = start(4, 4, 3, {0, 0, 1, 1});
    answerPositions(*r, 1, 1);
    r->engine.clickCommand2(0);
    QCOMPARE(int(r->st().CurrentPos), 0);
    while (r->st().CurrentPos < pos)
        r->engine.clickCommand2(1);
    const WindowModel &w = r->win();
    QStringList shown;
    for (int b = 0; b < 4; ++b) {
        shown << w.Option1[b].colour;
        QVERIFY(!w.Option1[b].enabled);
    }
    QCOMPARE(shown, colours);
    QCOMPARE(checkedButtons(w), checked);
    QCOMPARE(w.Picture1.colour, strip);
    QCOMPARE(w.Text1.text, help);
    QCOMPARE(w.Text2[0].text, S("Въпрос %1").arg(3 - pos));
    QCOMPARE(w.figure, figureOf(3 - pos));
}

void TestEngine::reviewBrowse_data()
{
    QTest::addColumn<int>("digit");
    QTest::addColumn<bool>("browse");
    QTest::newRow("1") << 1 << true;
    QTest::newRow("0") << 0 << false;
    QTest::newRow("2") << 2 << false;
}

void TestEngine::reviewBrowse()
{
    QFETCH(int, digit);
    QFETCH(bool, browse);
    auto r = start(4, 4, 3, {0, 0, 1, digit});
    QVERIFY(!r->win().Command2[1].visible);
    r->engine.clickCommand2(1);   // hidden before grading
    QCOMPARE(int(r->st().CurrentPos), 0);
    r->engine.clickCommand1(0);
    r->engine.clickCommand2(0);
    QCOMPARE(int(r->st().CurrentPos), 0);
    QVERIFY(!r->win().Command1[0].visible);
    QVERIFY(!r->win().Command1[1].visible);
    QCOMPARE(r->win().Command2[1].visible, browse);
    QCOMPARE(r->win().Command2[2].visible, browse);
    QVERIFY(r->win().Shape1[1].visible);

    const QStringList atStart = dumpModel(r->win());
    r->engine.clickCommand2(2);   // review Back at 0 shows 0 again
    QCOMPARE(int(r->st().CurrentPos), 0);
    QCOMPARE(dumpModel(r->win()), atStart);
    for (int i = 0; i < 5; ++i)
        r->engine.clickCommand2(1);
    QCOMPARE(int(r->st().CurrentPos), browse ? 3 : 0);
    if (browse)
        QCOMPARE(twoDecimals(r->win().Shape1[0].width), S("7943.75"));   // 50 + 10525 * 3 / 4
}

void TestEngine::reviewWithoutExplanation()
{
    auto r = start(4, 4, 3, {0, 0, 0, 1});
    answerPositions(*r, 1, 0);
    r->engine.clickCommand2(0);
    QCOMPARE(r->win().Text1.text, QString());
    r->engine.clickCommand2(1);
    QCOMPARE(r->win().Text1.text, S("Няма въведен отговор!"));
}

void TestEngine::gradingLocksState()
{
    auto r = start(20, 4, 2, {1, 1, 1, 1});
    answerPositions(*r, 5, 5);
    goTo(*r, posOf(*r, 0));
    answerShown(*r, true);
    goTo(*r, posOf(*r, 20));
    answerShown(*r, false);
    r->engine.clickCommand2(0);
    // The review reruns the answer handler, which sets LastChoice; the
    // tables and counts stay as graded.
    auto locked = [&r] { return dumpState(r->st(), false).mid(1) << QString::number(r->st().AnsweredCount); };
    const QStringList atGrading = locked();
    for (int i = 0; i < 25; ++i) {
        r->engine.clickCommand2(1);
        for (int b = 0; b < 5; ++b)
            r->engine.clickOption(b);   // disabled: ignored
        r->engine.clickCommand1(0);     // hidden: ignored
        QCOMPARE(locked(), atGrading);
    }
    QCOMPARE(int(r->st().CurrentPos), 20);
    for (int i = 0; i < 25; ++i)
        r->engine.clickCommand2(2);
    QCOMPARE(int(r->st().CurrentPos), 0);
    QCOMPARE(locked(), atGrading);
}

// ---------------------------------------------------------------------------

void TestEngine::guessCheck_data()
{
    QTest::addColumn<int>("digit");
    QTest::addColumn<QString>("answers");   // "same", "different", "partial"
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("visible");
    QTest::newRow("1 same") << 1 << S("same") << S("Проверка - Да") << true;
    QTest::newRow("1 different") << 1 << S("different") << S("Вероятно!") << true;
    QTest::newRow("1 partial same") << 1 << S("partial") << S("Частично!") << true;
    QTest::newRow("0 same") << 0 << S("same") << S("Вероятно!") << false;
    QTest::newRow("0 partial") << 0 << S("partial") << S("Частично!") << false;
    // No copy: question 0 against the bank's last question, never alike.
    QTest::newRow("2 same") << 2 << S("same") << S("Вероятно!") << true;
    QTest::newRow("2 partial") << 2 << S("partial") << S("Частично!") << true;
}

void TestEngine::guessCheck()
{
    QFETCH(int, digit);
    QFETCH(QString, answers);
    QFETCH(QString, caption);
    QFETCH(bool, visible);
    auto r = start(4, 4, digit == 1 ? 2 : 3, {0, digit, 1, 0});
    const int n = r->st().QuestionCount;
    QCOMPARE(n, digit == 1 ? 5 : 4);
    const int skip = answers == S("partial") ? posOf(*r, 1) : -1;
    for (int pos = 0; pos < n; ++pos) {
        if (pos == skip)
            continue;
        goTo(*r, pos);
        const int q = shownQuestion(*r);
        answerShown(*r, !(answers == S("different") && q == n - 1));
    }
    QVERIFY(!r->win().Label1[3].visible);
    r->engine.clickCommand2(0);
    QCOMPARE(r->win().Label1[3].text, caption);
    QCOMPARE(r->win().Label1[3].visible, visible);
    QVERIFY(r->win().Label1[3].text != S("Тото: "));
}

// ---------------------------------------------------------------------------

void TestEngine::phrase_data()
{
    QTest::addColumn<QString>("stem");
    QTest::addColumn<QString>("phrase");   // with the option "ABCD"
    QTest::newRow("gap at start") << S("___ е ромб.") << S(" ABCD е ромб.");
    QTest::newRow("gap at end") << S("Фигурата е ___") << S("Фигурата е  ABCD ");
    QTest::newRow("one char after") << S("Това е ___.") << S("Това е  ABCD ");
    QTest::newRow("letter after") << S("___x abc") << S(" ABCD  abc");
    QTest::newRow("two runs") << S("a __ b __ c") << S("a  ABCD b __ c");
    // 23 characters, blanks at 11 and 15, the run at 12..14.
    QTest::newRow("23 characters") << S("Отговорът: ___ е верен.") << S("Отговорът:  ABCD е верен.");
    QTest::newRow("only the gap") << S("_") << S(" ABCD ");
    QTest::newRow("no gap") << S("Без празнина") << S("Без празнина ABCD ");
}

void TestEngine::phrase()
{
    QFETCH(QString, stem);
    QFETCH(QString, phrase);
    if (QTest::currentDataTag() == QByteArray("23 characters"))
        QCOMPARE(stem.size(), 23);
    Bank bank = makeBank(3, 2, {1, 0, 1, 0});
    *bank.List1Mut(3) = QStringList{stem, S("ABCD"), keyText(2)};
    Run r(bank, {0.0f, 0.0f});
    QVERIFY(r.win().Text2[6].visible);
    QCOMPARE(r.win().Text2[0].text, stem);
    QCOMPARE(r.win().Text2[6].text, QString());
    r.engine.clickOption(0);
    QCOMPARE(r.win().Text2[6].text, phrase);
    r.engine.clickOption(1);
    QCOMPARE(r.win().Text2[6].text, QString(phrase).replace(S("ABCD"), keyText(2)));
}

void TestEngine::phraseModeOff()
{
    Bank bank = makeBank(3, 2, {0, 0, 1, 0});
    *bank.List1Mut(3) = QStringList{S("Това е ___."), S("ABCD"), keyText(2)};
    Run r(bank, {0.0f, 0.0f});
    QVERIFY(!r.win().Text2[6].visible);
    r.engine.model().Text2[6].text = S("непокътнат");
    r.engine.ComposePhrase();
    QCOMPARE(r.win().Text2[6].text, S("непокътнат"));
    r.engine.clickOption(0);
    QCOMPARE(r.win().Text2[6].text, QString());
}

void TestEngine::phraseFollowsAnswerReentryAndReview()
{
    auto r = start(4, 4, 3, {1, 0, 1, 1});
    answerShown(*r, true);   // position 0, question 3
    const QString phrase = S("Въпрос 3 ") + keyText(3) + S(" ");
    QCOMPARE(r->win().Text2[6].text, phrase);
    r->engine.clickCommand1(0);
    QCOMPARE(r->win().Text2[6].text, QString());   // unanswered position
    r->engine.clickCommand1(1);
    QCOMPARE(r->win().Text2[6].text, phrase);      // shown again on return
    r->engine.clickCommand2(0);
    QCOMPARE(r->win().Text2[6].text, phrase);      // and in review
    r->engine.clickCommand2(1);
    QCOMPARE(r->win().Text2[6].text, QString());
}

// ---------------------------------------------------------------------------

void TestEngine::ignoredClicks()
{
    Bank bank = makeBank(3, 4);
    *bank.List1Mut(3) = QStringList{S("Въпрос 2"), optionText(2, 1), keyText(2), optionText(2, 3)};
    Run r(bank, {0.0f, 0.0f});
    const QStringList state = dumpState(r.st());
    r.engine.clickOption(3);     // hidden: three options only
    r.engine.clickOption(4);
    r.engine.clickOption(-1);
    r.engine.clickOption(5);
    r.engine.clickCommand2(1);   // review buttons hidden during the test
    r.engine.clickCommand2(2);
    r.engine.clickCommand1(2);
    QCOMPARE(dumpState(r.st()), state);
    QVERIFY(checkedButtons(r.win()).isEmpty());

    r.engine.model().Option1[1].enabled = false;
    r.engine.clickOption(1);
    QCOMPARE(dumpState(r.st()), state);
    r.engine.model().Option1[1].enabled = true;
    r.engine.clickOption(1);
    QCOMPARE(int(r.st().AnsweredCount), 1);
    QCOMPARE(checkedButtons(r.win()), QStringList{"1"});
}

void TestEngine::authorAndExit()
{
    auto r = start(4, 4, 3);
    const QString note = S("За повече информация посетете ") + AuthorAddress + S(".");
    QVERIFY(r->win().Text1.text.startsWith(S("Това е  ")));
    r->engine.clickAuthor();
    QCOMPARE(r->win().Text1.text, note);
    r->engine.clickAuthor();
    QCOMPARE(r->win().Text1.text, note);
    r->engine.clickCommand2(0);
    QCOMPARE(r->win().Text1.text, S("Няма въведен отговор!"));
    r->engine.clickAuthor();
    QCOMPARE(r->win().Text1.text, note);
    QVERIFY(!r->win().exitRequested);
    r->engine.clickExit();
    QVERIFY(r->win().exitRequested);

    // Exit in the middle of the test: no handler runs after it.
    auto mid = start(4, 4, 3);
    mid->engine.clickExit();
    QVERIFY(mid->win().exitRequested);
    const QStringList state = dumpState(mid->st());
    const QStringList model = dumpModel(mid->win());
    mid->engine.clickOption(1);
    mid->engine.clickCommand1(0);
    mid->engine.clickCommand2(0);
    mid->engine.clickAuthor();
    QCOMPARE(dumpState(mid->st()), state);
    QCOMPARE(dumpModel(mid->win()), model);
}

// ---------------------------------------------------------------------------

void TestEngine::numericValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("plain") << S("20") << 20.0;
    QTest::newRow("leading blanks") << S("   7") << 7.0;
    QTest::newRow("minus") << S("-1") << -1.0;
    QTest::newRow("plus") << S("+3") << 3.0;
    QTest::newRow("decimal") << S("2.5") << 2.5;
    QTest::newRow("leading point") << S(".5") << 0.5;
    QTest::newRow("trailing text") << S("12abc") << 12.0;
    QTest::newRow("second point") << S("1.2.3") << 1.2;
    QTest::newRow("inner blank") << S("1 2") << 1.0;
    QTest::newRow("empty") << QString() << 0.0;
    QTest::newRow("letters") << S("Pyrwi") << 0.0;
    QTest::newRow("sign only") << S("-") << 0.0;
    QTest::newRow("header row") << S("Номера на въпроси") << 0.0;
}

void TestEngine::numericValue()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(velk::numericValue(text), value);
}

void TestEngine::toInt16_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("result");
    QTest::newRow("2.5 to even") << 2.5 << 2;
    QTest::newRow("3.5 to even") << 3.5 << 4;
    QTest::newRow("0.5 to even") << 0.5 << 0;
    QTest::newRow("-2.5 to even") << -2.5 << -2;
    QTest::newRow("-1") << -1.0 << -1;
    QTest::newRow("2.6") << 2.6 << 3;
    QTest::newRow("too large") << 1e6 << 32767;
    QTest::newRow("too small") << -1e6 << -32768;
}

void TestEngine::toInt16()
{
    QFETCH(double, value);
    QFETCH(int, result);
    QCOMPARE(int(velk::toInt16(value)), result);
    QCOMPARE(int(rowInt(QStringList{S("x"), S("  ") + QString::number(value, 'f', 1)}, 1)), result);
}

QTEST_GUILESS_MAIN(TestEngine)
#include "test_engine.moc"
