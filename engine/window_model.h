#pragma once
// A plain model of the main window VELK_Prazno: every property the engine
// drives, for every control. The window mirrors it onto its widgets after
// each event; tests read it directly.

#include <QList>
#include <QString>

namespace velk {

enum class Kind { Label, Command, TextBox, Frame, Option, Picture, Shape };

struct Control {
    Kind kind = Kind::Label;
    const char *name = "";      // control name, e.g. "Text2"
    int index = -1;             // array index, -1 for a single control
    // Twips: options from the top-left of Frame1, all else from the client area.
    float left = 0, top = 0, width = 0, height = 0;
    QString text;               // caption of labels, buttons and options; text of text boxes
    QString colour;             // background, face or fill as #RRGGBB; empty = default look
    bool visible = true;
    bool enabled = true;
    bool checked = false;       // option buttons
    bool centred = false;       // labels with centred text
};

struct WindowModel {
    QString caption;            // the window's title line

    Control Label1[5];          // 0 title, 1 result, 2 answered count, 3 guess check, 4 fixed caption
    Control Command1[2];        // 0 Forward, 1 Back
    Control Command2[3];        // 0 grading, 1 review Forward, 2 review Back
    Control Text2[7];           // 0 stem, 1..5 options, 6 completed phrase
    Control Frame1;             // holds the option buttons
    Control Option1[5];
    Control Picture1;           // answered-indicator strip
    Control Picture2;           // figure box
    Control Shape1[2];          // position bar: filled, remaining
    Control Shape2[2];          // answered bar: filled, remaining
    Control Text1;              // help and review box, Text1(0)

    QString figure;             // image shown in Picture2: resource path, empty = none
    bool exitRequested = false; // "Изход" was chosen: the window closes at once

    // Every control, in the order the window creates them (Frame1 before
    // the option buttons it holds).
    QList<Control *> controls();
    QList<const Control *> controls() const;
};

// The window as designed: geometry, captions, colours, placeholders, help
// text and visibility before start-up runs.
WindowModel designModel();

// The 25-line help text that Text1(0) shows at start, CR LF after each line.
QString helpText();

// Colours the engine writes.
inline const QString Red = QStringLiteral("#FF0000");
inline const QString Green = QStringLiteral("#00FF00");
inline const QString LightBlue = QStringLiteral("#C0C0FF");  // the window background

}  // namespace velk
