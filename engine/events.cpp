// Events as the window delivers them, and the two menu commands.

#include "engine.h"

namespace velk {

namespace {
bool reachable(const Control &c) { return c.visible && c.enabled; }
}  // namespace

// Exit ends the run: no handler runs after it, even if the window still
// delivers a click it had queued.
void Engine::clickOption(int index)
{
    if (model_.exitRequested)
        return;
    if (index < 0 || index > 4 || !reachable(model_.Option1[index]) || !reachable(model_.Frame1))
        return;
    for (int b = 0; b < 5; ++b)
        model_.Option1[b].checked = (b == index);
    Option1_Click(qint16(index));
}

void Engine::clickCommand1(int index)
{
    if (!model_.exitRequested && index >= 0 && index <= 1 && reachable(model_.Command1[index]))
        Command1_Click(qint16(index));
}

void Engine::clickCommand2(int index)
{
    if (!model_.exitRequested && index >= 0 && index <= 2 && reachable(model_.Command2[index]))
        Command2_Click(qint16(index));
}

void Engine::clickExit()
{
    if (!model_.exitRequested)
        izhod_Click(0);
}

void Engine::clickAuthor()
{
    if (!model_.exitRequested)
        autor_Click();
}

void Engine::izhod_Click(qint16)
{
    bank_ = Bank();   // the bank goes with the run
    model_.exitRequested = true;
}

void Engine::autor_Click()
{
    model_.Text1.text = QStringLiteral("За повече информация посетете ") + AuthorAddress
                        + QLatin1Char('.');
}

}  // namespace velk
