#pragma once
// The main window VELK_Prazno: widgets built from the engine's window model,
// mirrored from it after every event, and the events handed to the engine.

#include "engine.h"

#include <QHash>
#include <QMainWindow>

class QAction;
class QApplication;
class QButtonGroup;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QRadioButton;

namespace velk {

class ShapeWidget;

// Style and settings the window is designed for; call once, before any
// window is created.
void prepareApplication(QApplication &app);

// Twips to device-independent pixels (15 twips make a pixel at 96 dpi).
int twipsToPixels(float twips);

class VELK_Prazno : public QMainWindow {
    Q_OBJECT
public:
    explicit VELK_Prazno(Engine &engine, QWidget *parent = nullptr);

    // The load event: builds the test and shows the first position. Runs
    // before the window is first shown.
    void formLoad();

    // Copies the engine's model onto the widgets.
    void mirror();

    QAction *exitAction() const { return exitAction_; }
    QAction *authorAction() const { return authorAction_; }
    QWidget *client() const { return client_; }

    // The widget of a control, e.g. widgetFor("Text2", 3); nullptr if none.
    QWidget *widgetFor(const char *name, int index = -1) const;

private:
    void build();
    QWidget *createControl(const Control &c);
    void setTabOrder();
    void updateAccessibility();
    void afterEvent();

    Engine &engine_;
    QWidget *client_ = nullptr;
    QFrame *frame_ = nullptr;
    QButtonGroup *options_ = nullptr;
    QWidget *positionBar_ = nullptr;   // holds Shape1(0/1), named for screen readers
    QWidget *answeredBar_ = nullptr;   // holds Shape2(0/1)
    QAction *exitAction_ = nullptr;
    QAction *authorAction_ = nullptr;
    QHash<QString, QWidget *> widgets_;   // "Text2(3)" -> widget
    QHash<QWidget *, QString> shownText_; // model text last put into a text box
    QHash<QWidget *, QString> shownColour_;
    QString shownFigure_;
};

}  // namespace velk
