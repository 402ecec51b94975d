// Forward and Back during the test, and the two progress bars.

#include "engine.h"
#include "numbers.h"

#include <algorithm>

namespace velk {

void Engine::Command1_Click(qint16 index)
{
    const qint16 last = state_.QuestionCount - 1;
    if (index == 0)
        state_.CurrentPos = std::min<qint16>(state_.CurrentPos + 1, last);
    else if (index == 1)
        state_.CurrentPos = std::max<qint16>(state_.CurrentPos - 1, 0);
    ShowQuestion();
}

void Engine::UpdateProgress()
{
    model_.Text2[6].text.clear();
    const float n = std::max<qint16>(state_.QuestionCount, 1);   // N >= 3 in a checked bank
    const float r = model_.Command1[1].width + model_.Command1[1].left - 50.0f;

    // The scale is R itself and the divisor N; a bar's remaining part ends
    // at R and never gets a negative width.
    auto drawBar = [&](Control *bar, float filledUnits) {
        bar[0].width = 50.0f + r * filledUnits / n;
        bar[1].left = bar[0].left + bar[0].width;
        bar[1].width = std::max(0.0f, r - bar[1].left);
    };
    drawBar(model_.Shape1, float(state_.CurrentPos));
    const int k = state_.AnsweredCount >= 1 ? state_.AnsweredCount - 1 : state_.AnsweredCount;
    drawBar(model_.Shape2, float(k));

    model_.Label1[2].text = QStringLiteral("Въведени отговори: ") + numText(state_.AnsweredCount)
                            + QLatin1Char('/') + numText(state_.QuestionCount);
}

}  // namespace velk
