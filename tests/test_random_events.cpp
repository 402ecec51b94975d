// Thousands of random click sequences on generated banks. After every event
// the test state must still hang together: the answered count matches the
// verdicts, the question order stays a permutation, a graded test stays
// locked, bars never get a negative width, and clicks on controls a pupil
// cannot reach change nothing at all. Every sequence has a fixed seed, so a
// failure replays from the seed and event index it prints.

#include "engine.h"

#include <QtTest>

#include <random>

using namespace velk;

namespace {

// Draws for the engine from the sequence's own generator, with the edge
// values (0, just below 1, halves) coming up often.
class SeededRandom : public Random {
public:
    explicit SeededRandom(std::mt19937 &gen) : gen_(gen) {}
    float next() override
    {
        static const float edges[] = {0.0f, 0.99999994f, 0.05f, 0.15f, 0.25f, 0.5f, 0.0005f, 0.9995f};
        if (gen_() % 6 == 0)
            return edges[gen_() % 8];
        return float(gen_() >> 8) * (1.0f / 16777216.0f);
    }

private:
    std::mt19937 &gen_;
};

int pick(std::mt19937 &gen, int lo, int hi) { return lo + int(gen() % unsigned(hi - lo + 1)); }

// Option texts that collide on purpose: across questions, and with blanks
// around a colon that must not count as the same answer.
QString optionText(std::mt19937 &gen, int q, int j)
{
    switch (gen() % 5) {
    case 0: return QStringLiteral("1 : %1").arg(j + 1);
    case 1: return QStringLiteral("1:%1").arg(j + 1);
    case 2: return QStringLiteral("%1°").arg(10 * (j + 1));
    default: return QStringLiteral("отговор %1-%2").arg(q).arg(j);
    }
}

struct Generated {
    Bank bank;
    int n = 0;   // questions in the run, counting the copy
};

Generated makeBank(std::mt19937 &gen)
{
    Generated g;
    Bank &b = g.bank;
    // The copy for the guess check needs exactly 1, so it comes up often.
    const int digits[] = {pick(gen, 0, 9), gen() % 3 == 0 ? 1 : pick(gen, 0, 9), pick(gen, 0, 9),
                          pick(gen, 0, 9)};
    b.List2 = {QStringLiteral("Настройки - последната цифра"),
               QStringLiteral("ЧЕО - фраза от 2 части - %1").arg(digits[0]),
               QStringLiteral("Проверка за Тото - %1").arg(digits[1]),
               QStringLiteral("Случаен тест"),
               QStringLiteral("Дава описание - %1").arg(digits[2]),
               QStringLiteral("Дава обяснения - %1").arg(digits[3])};
    const bool copy = digits[1] == 1;
    g.n = pick(gen, 3, 29);
    const int k = copy ? g.n - 1 : g.n;

    QStringList *key = b.List1Mut(0);
    for (int q = 0; q < k; ++q) {
        QStringList *list = b.List1Mut(q + 1);
        list->clear();
        const int gapAt = pick(gen, 0, 2);
        *list << (gapAt == 0 ? QStringLiteral("___ в начало %1").arg(q)
                 : gapAt == 1 ? QStringLiteral("Въпрос %1: _____ .").arg(q)
                              : QStringLiteral("Въпрос %1 ___").arg(q));
        const int m = pick(gen, 2, 5);
        QStringList options;
        while (options.size() < m) {
            const QString o = optionText(gen, q, options.size());
            if (!options.contains(o))
                options << o;
        }
        *list << options;
        *key << options.at(pick(gen, 0, m - 1));
        b.obqsnenieRef(q + 1).clear();
        for (int l = pick(gen, 0, 3); l > 0; --l)
            b.obqsnenieRef(q + 1) << QStringLiteral("ред %1 от решение %2").arg(l).arg(q);
        if (gen() % 2)
            b.setPicture1(q + 1, QStringLiteral(":/velk/fig%1.png").arg(q));
    }
    return g;
}

bool reachable(const Control &c) { return c.visible && c.enabled; }

// Everything a click could change: the test state and every control.
struct Snapshot {
    TestState state;
    WindowModel model;
};

bool sameControl(const Control &a, const Control &b)
{
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height
        && a.text == b.text && a.colour == b.colour && a.visible == b.visible
        && a.enabled == b.enabled && a.checked == b.checked;
}

bool unchanged(const Snapshot &before, const Engine &e)
{
    const TestState &s = e.state(), &t = before.state;
    if (s.CurrentPos != t.CurrentPos || s.LastChoice != t.LastChoice || s.Step != t.Step
        || s.QuestionCount != t.QuestionCount || s.AnsweredCount != t.AnsweredCount
        || s.Choices != t.Choices || s.Order != t.Order || s.OptionOrders != t.OptionOrders
        || s.Verdicts != t.Verdicts || s.KeyPositions != t.KeyPositions
        || s.StepPrimes != t.StepPrimes || s.GuessPair != t.GuessPair)
        return false;
    const QList<const Control *> now = e.model().controls();
    const QList<const Control *> then = before.model.controls();
    if (now.size() != then.size() || e.model().figure != before.model.figure
        || e.model().caption != before.model.caption)
        return false;
    for (int i = 0; i < now.size(); ++i)
        if (!sameControl(*now[i], *then[i]))
            return false;
    return true;
}

struct Locked {
    QStringList Choices, Verdicts, KeyPositions, GuessPair, Order, OptionOrders;
    qint16 AnsweredCount = 0;
    QString score, guess;
};

Locked lockedPart(const Engine &e)
{
    const TestState &s = e.state();
    return {s.Choices, s.Verdicts, s.KeyPositions, s.GuessPair, s.Order, s.OptionOrders,
            s.AnsweredCount, e.model().Label1[1].text, e.model().Label1[3].text};
}

// The invariants that hold after every event; an empty result means sound.
QString checkState(const Engine &e, int n, bool graded, const Locked &atGrading)
{
    const TestState &s = e.state();
    const WindowModel &w = e.model();
    const QString none = QStringLiteral("-1");
    if (s.QuestionCount != n)
        return QStringLiteral("QuestionCount %1, expected %2").arg(s.QuestionCount).arg(n);
    for (const QStringList *t : {&s.Choices, &s.Order, &s.OptionOrders, &s.Verdicts, &s.KeyPositions})
        if (t->size() != n)
            return QStringLiteral("a state table has %1 rows, expected %2").arg(t->size()).arg(n);
    if (s.CurrentPos < 0 || s.CurrentPos >= n)
        return QStringLiteral("CurrentPos %1 outside 0..%2").arg(s.CurrentPos).arg(n - 1);

    const int answered = n - int(s.Verdicts.count(none));
    if (s.AnsweredCount != answered)
        return QStringLiteral("AnsweredCount %1 but %2 verdicts").arg(s.AnsweredCount).arg(answered);
    if (w.Label1[2].text != QStringLiteral("Въведени отговори: %1/%2").arg(answered).arg(n))
        return QStringLiteral("answered label reads \"%1\"").arg(w.Label1[2].text);

    QList<bool> seen(n, false);
    for (const QString &row : s.Order) {
        bool ok = false;
        const int q = row.toInt(&ok);
        if (!ok || q < 0 || q >= n || seen[q] || QString::number(q) != row)
            return QStringLiteral("Order is no permutation: %1").arg(s.Order.join(QLatin1Char(',')));
        seen[q] = true;
    }
    if (s.Order.last() != QStringLiteral("0"))
        return QStringLiteral("Order does not end with 0: %1").arg(s.Order.join(QLatin1Char(',')));

    // A verdict is the judgement of the option text the saved choice shows.
    const Bank &b = e.bank();
    for (int p = 0; p < n; ++p) {
        const int q = s.Order.at(p).toInt();
        const QStringList &list = b.List1(q + 1);
        const QString order = s.OptionOrders.at(q);
        QString sorted = order;
        std::sort(sorted.begin(), sorted.end());
        if (sorted != QStringLiteral("12345").left(list.size() - 1))
            return QStringLiteral("question %1 has option order \"%2\"").arg(q).arg(order);
        if ((s.Choices.at(p) == none) != (s.Verdicts.at(p) == none))
            return QStringLiteral("position %1: choice %2, verdict %3").arg(p).arg(s.Choices.at(p), s.Verdicts.at(p));
        if (s.Choices.at(p) == none)
            continue;
        const int c = s.Choices.at(p).toInt();
        if (c < 0 || c >= order.size())
            return QStringLiteral("position %1: choice %2 of %3 options").arg(p).arg(c).arg(order.size());
        const bool right = list.value(order.at(c).digitValue()) == b.List1(0).value(q);
        if (s.Verdicts.at(p) != (right ? QStringLiteral("1") : QStringLiteral("0")))
            return QStringLiteral("position %1: verdict %2, the chosen text is %3")
                .arg(p).arg(s.Verdicts.at(p), right ? "right" : "wrong");
    }

    for (const Control *bar : {&w.Shape1[0], &w.Shape1[1], &w.Shape2[0], &w.Shape2[1]})
        if (!(bar->width >= 0.0f) || !(bar->left >= 0.0f))
            return QStringLiteral("%1(%2) has left %3, width %4")
                .arg(QLatin1String(bar->name)).arg(bar->index).arg(bar->left).arg(bar->width);

    if (!graded) {
        const QString chosen = s.Choices.at(s.CurrentPos);
        for (int i = 0; i < 5; ++i)
            if (w.Option1[i].checked != (chosen == QString::number(i)))
                return QStringLiteral("Option1(%1) checked %2 at a position with choice %3")
                    .arg(i).arg(w.Option1[i].checked).arg(chosen);
        return {};
    }
    const Locked now = lockedPart(e);
    const char *changed = now.Choices != atGrading.Choices ? "Choices"
                        : now.Verdicts != atGrading.Verdicts ? "Verdicts"
                        : now.KeyPositions != atGrading.KeyPositions ? "KeyPositions"
                        : now.GuessPair != atGrading.GuessPair ? "GuessPair"
                        : now.Order != atGrading.Order ? "Order"
                        : now.OptionOrders != atGrading.OptionOrders ? "OptionOrders"
                        : now.AnsweredCount != atGrading.AnsweredCount ? "AnsweredCount"
                        : now.score != atGrading.score ? "the score line"
                        : now.guess != atGrading.guess ? "the guess-check verdict"
                                                       : nullptr;
    if (changed)
        return QStringLiteral("%1 changed after grading").arg(QLatin1String(changed));
    return {};
}

// The score line and the guess-check verdict as grading must write them.
QString checkGrading(const Engine &e, int n)
{
    const TestState &s = e.state();
    const int score = int(s.Verdicts.count(QStringLiteral("1")));
    const QString line = QStringLiteral("Резултат: %1/%2 = %3%").arg(score).arg(n).arg(100 * score / n);
    if (e.model().Label1[1].text != line)
        return QStringLiteral("score line \"%1\", expected \"%2\"").arg(e.model().Label1[1].text, line);
    const QString verdict = s.AnsweredCount < n ? QStringLiteral("Частично!")
                          : s.GuessPair.at(0) == s.GuessPair.at(1) ? QStringLiteral("Проверка - Да")
                                                                   : QStringLiteral("Вероятно!");
    if (e.model().Label1[3].text != verdict)
        return QStringLiteral("guess check \"%1\", expected \"%2\"").arg(e.model().Label1[3].text, verdict);
    return {};
}

}  // namespace

class TestRandomEvents : public QObject {
    Q_OBJECT
private slots:
    void randomSequences_data();
    void randomSequences();
};

void TestRandomEvents::randomSequences_data()
{
    QTest::addColumn<unsigned>("firstSeed");
    QTest::addColumn<unsigned>("sequences");
    for (unsigned block = 0; block < 4; ++block) {
        const unsigned first = 1000 * block + 1;
        QTest::addRow("seeds %u-%u", first, first + 999) << first << 1000u;
    }
}

void TestRandomEvents::randomSequences()
{
    QFETCH(unsigned, firstSeed);
    QFETCH(unsigned, sequences);

    // How often the interesting ends were reached, so that a change to the
    // generator cannot quietly stop exercising them.
    int graded = 0, ignored = 0, fullyAnswered = 0, sameTwice = 0, browsed = 0;

    for (unsigned seed = firstSeed; seed < firstSeed + sequences; ++seed) {
        std::mt19937 gen(seed);
        Generated g = makeBank(gen);
        SeededRandom random(gen);
        Engine engine(g.bank, random);
        engine.Form_Load();

        // How this sequence leans: some grade early, some answer a lot first.
        // Diligent ones walk forward answering every position before they
        // may grade, so full tests and the guess check get their turn.
        const bool diligent = gen() % 4 == 0;
        const int gradeWeight = pick(gen, 0, 3) == 0 ? 0 : pick(gen, 1, 6);
        const int forwardWeight = pick(gen, 5, 40);
        const int gradeFrom = diligent ? 2 * g.n : 0;
        const int events = diligent ? 2 * g.n + 40 : pick(gen, 10, 200);
        bool isGraded = false;
        Locked atGrading;
        QStringList history;

        QString fault = checkState(engine, g.n, false, atGrading);
        for (int ev = 0; fault.isEmpty() && ev < events; ++ev) {
            const WindowModel &w = engine.model();
            const int roll = pick(gen, 0, 99 + forwardWeight + (ev >= gradeFrom ? gradeWeight : 0));
            if (isGraded && gen() % 10 == 0)
                break;   // a graded test has little left to do
            enum { Option, Command1, Command2, Author } kind;
            int i = 0;
            if (ev < gradeFrom) {
                const int shown = int(std::count_if(std::begin(w.Option1), std::end(w.Option1),
                                                    [](const Control &c) { return c.visible; }));
                kind = ev % 2 ? Command1 : Option;
                i = ev % 2 ? 0 : pick(gen, 0, qMax(0, shown - 1));
            } else if (roll < 50) {
                kind = Option;
                i = pick(gen, 0, 4);
            } else if (roll < 70 + forwardWeight) {
                kind = Command1;
                i = roll < 60 ? 1 : 0;
            } else if (roll < 96 + forwardWeight) {
                kind = Command2;
                i = pick(gen, 1, 2);
            } else if (roll < 100 + forwardWeight) {
                kind = Author;
            } else {
                kind = Command2;
                i = 0;
            }
            const bool canReach = kind == Option ? reachable(w.Option1[i]) && reachable(w.Frame1)
                                : kind == Command1 ? reachable(w.Command1[i])
                                : kind == Command2 ? reachable(w.Command2[i])
                                                   : true;
            const QString name = kind == Option ? QStringLiteral("clickOption(%1)").arg(i)
                               : kind == Command1 ? QStringLiteral("clickCommand1(%1)").arg(i)
                               : kind == Command2 ? QStringLiteral("clickCommand2(%1)").arg(i)
                                                  : QStringLiteral("clickAuthor()");
            history << name;
            // A pupil cannot click a hidden or disabled control, so such a
            // click must leave every bit of the state and the window alone.
            Snapshot before;
            if (!canReach)
                before = {engine.state(), engine.model()};

            switch (kind) {
            case Option: engine.clickOption(i); break;
            case Command1: engine.clickCommand1(i); break;
            case Command2: engine.clickCommand2(i); break;
            case Author: engine.clickAuthor(); break;
            }

            if (!canReach) {
                ++ignored;
                if (!unchanged(before, engine))
                    fault = QStringLiteral("a click on an unreachable control changed the state");
            } else if (kind == Command2 && i == 0) {
                if (isGraded) {
                    fault = QStringLiteral("the grading button is usable after grading");
                } else {
                    isGraded = true;
                    ++graded;
                    fullyAnswered += engine.state().AnsweredCount == g.n;
                    sameTwice += engine.model().Label1[3].text == QStringLiteral("Проверка - Да");
                    atGrading = lockedPart(engine);
                    fault = checkGrading(engine, g.n);
                }
            } else if (kind == Command2) {
                ++browsed;
            }
            if (fault.isEmpty())
                fault = checkState(engine, g.n, isGraded, atGrading);
            if (!fault.isEmpty())
                fault = QStringLiteral("seed %1, event %2 %3: %4\nevents: %5")
                            .arg(seed).arg(ev).arg(name, fault, history.mid(qMax(0, ev - 15)).join(' '));
        }
        if (!fault.isEmpty())
            QFAIL(qPrintable(fault));

        engine.clickExit();
        QVERIFY2(engine.model().exitRequested, qPrintable(QStringLiteral("seed %1: Exit ignored").arg(seed)));
    }

    qInfo("%u sequences: %d graded (%d fully answered, %d with the same answer twice), "
          "%d unreachable clicks, %d review moves",
          sequences, graded, fullyAnswered, sameTwice, ignored, browsed);
    QVERIFY(graded > int(sequences) / 2);
    QVERIFY(fullyAnswered > 0);
    QVERIFY(sameTwice > 0);
    QVERIFY(ignored > int(sequences));
    QVERIFY(browsed > 0);
}

QTEST_GUILESS_MAIN(TestRandomEvents)
#include "test_random_events.moc"
