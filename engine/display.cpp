// Showing a position during the test, and the answer handler.

#include "engine.h"
#include "numbers.h"

namespace velk {

QString Engine::keyRow(int question) const
{
    return rowAt(bank_.List1(0), question);
}

void Engine::unselectOption(int index)
{
    model_.Option1[index].checked = false;   // raises no handler
}

void Engine::selectOption(qint16 index)
{
    if (index < 0 || index > 4)
        return;
    for (int b = 0; b < 5; ++b)
        model_.Option1[b].checked = (b == index);
    Option1_Click(index);
}

// Option texts in the question's fixed order. During the test it records
// which button shows the key; in review it clears each button first.
void Engine::fillOptionBoxes(qint16 q, bool review)
{
    const QStringList &list = bank_.List1(q + 1);
    const int m = list.size();
    const QString order = rowAt(state_.OptionOrders, q);
    for (int j = 1; j <= 5; ++j) {
        Control &box = model_.Text2[j];
        Control &button = model_.Option1[j - 1];
        if (review) {
            unselectOption(j - 1);
            button.colour = LightBlue;
        }
        if (j <= m - 1) {
            box.visible = true;
            button.visible = true;
            const qint16 d = toInt16(numericValue(charAt(order, j)));
            box.text = rowAt(list, d);
            if (!review && box.text == keyRow(q))
                setRow(state_.KeyPositions, state_.CurrentPos, numText(j - 1));
        } else {
            box.visible = false;
            button.visible = false;
        }
    }
}

void Engine::ShowQuestion()
{
    const qint16 q = rowInt(state_.Order, state_.CurrentPos);
    UpdateProgress();
    model_.Text2[0].text = rowAt(bank_.List1(q + 1), 0);
    fillOptionBoxes(q, false);
    for (int b = 0; b < 5; ++b)
        unselectOption(b);
    const qint16 c = rowInt(state_.Choices, state_.CurrentPos);
    if (c > -1)
        selectOption(c);
    model_.Picture1.colour = rowInt(state_.Verdicts, state_.CurrentPos) == -1 ? Red : Green;
    ShowPicture(q);
}

void Engine::Option1_Click(qint16 b)
{
    const int pos = state_.CurrentPos;
    if (b < 0 || b > 4)
        return;
    setRow(state_.Choices, pos, numText(b));
    if (rowInt(state_.Verdicts, pos) == -1) {
        state_.AnsweredCount = toInt16(state_.AnsweredCount + 1);
        UpdateProgress();
    }
    const qint16 a = rowInt(state_.Order, pos);
    const QString chosen = model_.Text2[b + 1].text;
    setRow(state_.Verdicts, pos, chosen == keyRow(a) ? QStringLiteral("1") : QStringLiteral("0"));
    if (a == state_.QuestionCount - 1)
        setRow(state_.GuessPair, 1, chosen);
    if (a == 0)
        setRow(state_.GuessPair, 0, chosen);
    model_.Picture1.colour = Green;
    state_.LastChoice = b;
    ComposePhrase();
}

void Engine::ShowPicture(qint16 question)
{
    model_.figure = bank_.Picture1(question + 1);
}

void Engine::ComposePhrase()
{
    if (bank_.SettingDigit(PhraseMode) != 1)
        return;
    const QString t = model_.Text2[0].text;
    const int n = t.size();
    const QString gap = QStringLiteral("_");
    int p = 1;
    while (p <= n && charAt(t, p) != gap)   // stops at the end of a stem without a gap
        ++p;
    const QString before = t.left(p - 1);
    while (charAt(t, p) == gap)
        ++p;
    const QString after = n > p ? t.right(n - p) : QString();
    const int choice = qBound(0, int(state_.LastChoice), 4);
    model_.Text2[6].text = before + QLatin1Char(' ') + model_.Text2[choice + 1].text
                           + QLatin1Char(' ') + after;
}

}  // namespace velk
