#pragma once
// The test engine: the state of one test run and every handler and display
// procedure of the main window, working on a plain model of the window.

#include "bank.h"
#include "random.h"
#include "window_model.h"

#include <QStringList>
#include <QtGlobal>

namespace velk {

// The module variables and the state tables (hidden lists) of a run. Tables
// hold text rows, numbers as plain decimal text.
struct TestState {
    qint16 CurrentPos = 0;
    qint16 LastChoice = 0;
    qint16 Step = 0;
    qint16 QuestionCount = 0;     // N
    qint16 AnsweredCount = 0;

    QStringList Choices{QStringLiteral("Номера на въпроси")};
    QStringList Order{QStringLiteral("Отметнат отговор")};
    QStringList OptionOrders{QStringLiteral("Последователност от отговори")};
    QStringList Verdicts{QStringLiteral("Weren Neweren Otgowor")};
    QStringList KeyPositions{QStringLiteral("Weren Otgowor/Distraktor")};
    QStringList StepPrimes{QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("5"),
                           QStringLiteral("7"), QStringLiteral("11"), QStringLiteral("13"),
                           QStringLiteral("17"), QStringLiteral("19"), QStringLiteral("23"),
                           QStringLiteral("29"), QStringLiteral("31")};
    QStringList GuessPair{QStringLiteral("Pyrwi"), QStringLiteral("Posleden")};
};

// The address in the author note.
inline const QString AuthorAddress = QStringLiteral("https://velk.example.org");

class Engine {
public:
    Engine(Bank bank, Random &random);

    // Events as the window delivers them. A click on a hidden or disabled
    // control cannot come from a pupil and is ignored.
    void clickOption(int index);
    void clickCommand1(int index);
    void clickCommand2(int index);
    void clickExit();
    void clickAuthor();

    // Handlers and procedures of the main window.
    void Form_Load();
    void ChooseStep();
    void ShowQuestion();
    void Option1_Click(qint16 index);   // the answer handler
    void ShowPicture(qint16 question);
    void ComposePhrase();
    void Command1_Click(qint16 index);
    void UpdateProgress();
    void Command2_Click(qint16 index);
    void ShowReview();
    void ShowGuessCheck();
    void izhod_Click(qint16 index);
    void autor_Click();

    const WindowModel &model() const { return model_; }
    const TestState &state() const { return state_; }
    const Bank &bank() const { return bank_; }
    // Tests reach in to set up the edge cases they need.
    WindowModel &model() { return model_; }
    TestState &state() { return state_; }
    Bank &bank() { return bank_; }

private:
    // Selects an option button in code: the group keeps one button selected
    // and the answer handler runs at once, nested, as for a click.
    void selectOption(qint16 index);
    void unselectOption(int index);
    void fillOptionBoxes(qint16 question, bool review);
    QString keyRow(int question) const;

    Bank bank_;
    Random &random_;
    WindowModel model_;
    TestState state_;
};

}  // namespace velk
