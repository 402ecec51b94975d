// Start-up: the copy of the first question, the prime step, the question
// and option orders, and the first rows of every state table.

#include "engine.h"
#include "numbers.h"

#include <cmath>

namespace velk {

Engine::Engine(Bank bank, Random &random)
    : bank_(std::move(bank)), random_(random), model_(designModel())
{
}

void Engine::Form_Load()
{
    random_.seedFromClock();
    model_.Label1[0].text = bank_.settingRow(TestTitle);

    if (bank_.SettingDigit(GuessCheck) == 1) {
        QStringList *key = bank_.List1Mut(0);
        const int k = key->size();
        QStringList *copy = bank_.List1Mut(k + 1);
        if (copy) {
            key->append(rowAt(*key, 0));
            copy->clear();
            for (const QString &row : bank_.List1(1))
                copy->append(row);
            // The copy shows the figure of the first question.
            bank_.setPicture1(k + 1, bank_.Picture1(1));
        }
    }

    state_.QuestionCount = toInt16(bank_.List1(0).size());
    const int n = state_.QuestionCount;
    model_.Picture1.colour = Red;
    ChooseStep();
    state_.AnsweredCount = 0;
    model_.Text2[6].visible = bank_.SettingDigit(PhraseMode) == 1;

    // Bar anchoring: both bars start at the left edge of Forward.
    model_.Shape1[0].left = model_.Command1[0].left;
    model_.Shape2[0].left = model_.Command1[0].left;

    state_.Choices.clear();
    state_.Order.clear();
    state_.OptionOrders.clear();
    state_.Verdicts.clear();
    state_.KeyPositions.clear();
    for (int i = 1; i <= n; ++i) {
        state_.Choices << QStringLiteral("-1");
        state_.Order << numText(n > 0 ? (qint64(state_.Step) * i) % n : 0);

        const int m = bank_.List1(i).size() - 1;
        qint32 f = 1;
        for (int d = 1; d <= m && d <= 12; ++d)
            f *= d;
        const float drawn = random_.next() * 1000.0f;
        const qint16 r = toInt16(drawn);
        state_.OptionOrders << rowAt(bank_.Poredica(m), r % f);

        state_.Verdicts << QStringLiteral("-1");
        state_.KeyPositions << QStringLiteral("-1");
    }

    state_.CurrentPos = 0;
    ShowQuestion();
}

void Engine::ChooseStep()
{
    const int n = state_.QuestionCount;
    QStringList &primes = state_.StepPrimes;
    while (!primes.isEmpty() && numericValue(primes.last()) >= n)
        primes.removeLast();
    const int c = primes.size();
    if (c == 0) {      // fewer than 3 questions: the bank checker rules this out
        state_.Step = 1;
        return;
    }
    // Some remaining prime never divides N (N >= 3), so a fair draw ends;
    // the bound only keeps a broken generator from hanging the program.
    for (int draws = 0; draws < 10000; ++draws) {
        const float x = random_.next() * 10.0f;
        const int k = toInt16(x) % c;
        state_.Step = rowInt(primes, k);
        if (state_.Step != 0 && n % state_.Step != 0)
            return;
    }
    for (const QString &row : primes) {
        state_.Step = toInt16(numericValue(row));
        if (state_.Step != 0 && n % state_.Step != 0)
            return;
    }
}

}  // namespace velk
