// Grading, the review of the graded test, and the guess check.

#include "engine.h"
#include "numbers.h"

#include <algorithm>
#include <cmath>

namespace velk {

void Engine::Command2_Click(qint16 index)
{
    const int n = state_.QuestionCount;
    if (index == 0) {
        const int browse = bank_.SettingDigit(ReviewBrowse);
        model_.Command2[0].enabled = false;
        model_.Command1[0].visible = false;
        model_.Command1[1].visible = false;
        model_.Command2[1].visible = browse == 1;
        model_.Command2[2].visible = browse == 1;
        for (Control &button : model_.Option1) {
            button.enabled = false;
            button.colour = LightBlue;
        }
        const int score = int(std::count(state_.Verdicts.cbegin(), state_.Verdicts.cend(),
                                         QStringLiteral("1")));
        const long long pct = n > 0 ? static_cast<long long>(std::floor(100.0 * score / n)) : 0;
        model_.Label1[1].text += numText(score) + QLatin1Char('/') + numText(n)
                                 + QStringLiteral(" = ") + numText(pct) + QLatin1Char('%');
        state_.CurrentPos = 0;
        model_.Shape1[1].visible = true;
        ShowGuessCheck();
    } else if (index == 1) {
        state_.CurrentPos = std::min<qint16>(state_.CurrentPos + 1, n - 1);
    } else if (index == 2) {
        state_.CurrentPos = std::max<qint16>(state_.CurrentPos - 1, 0);
    }
    ShowReview();
}

void Engine::ShowReview()
{
    const int pos = state_.CurrentPos;
    const qint16 q = rowInt(state_.Order, pos);
    UpdateProgress();
    model_.Text2[0].text = rowAt(bank_.List1(q + 1), 0);
    fillOptionBoxes(q, true);
    model_.Text2[6].text.clear();

    const qint16 c = rowInt(state_.Choices, pos);
    if (c > -1 && c <= 4) {
        selectOption(c);   // runs the answer handler, nested, although the button is disabled
        const qint16 k = rowInt(state_.KeyPositions, pos);
        if (k >= 0 && k <= 4)
            model_.Option1[k].colour = Green;
        model_.Option1[c].colour = model_.Text2[c + 1].text == keyRow(q) ? Green : Red;
    }
    if (rowInt(state_.Verdicts, pos) < 1)
        model_.Picture1.colour = Red;
    ShowPicture(q);

    model_.Text1.text.clear();
    if (rowInt(state_.Verdicts, pos) < 0) {
        model_.Text1.text = QStringLiteral("Няма въведен отговор!");
        return;
    }
    if (bank_.SettingDigit(ShowExplanation) > 0)
        for (const QString &line : bank_.Obqsnenie(q + 1))
            model_.Text1.text += line + QStringLiteral("\r\n");
}

void Engine::ShowGuessCheck()
{
    Control &label = model_.Label1[3];
    label.text = rowAt(state_.GuessPair, 0) == rowAt(state_.GuessPair, 1)
                     ? QStringLiteral("Проверка - Да")
                     : QStringLiteral("Вероятно!");
    if (state_.AnsweredCount < state_.QuestionCount)
        label.text = QStringLiteral("Частично!");
    label.visible = bank_.SettingDigit(GuessCheck) > 0;
}

}  // namespace velk
