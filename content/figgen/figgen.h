#pragma once
// Figures of a question bank drawn from a readable description: named
// points, segments, marks and texts, fitted into an image of a fixed size.
// The description format is explained at the top of
// content/geometry/figures.txt.

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

namespace figgen {

struct Figure {
    QString file;          // image file name, written beside the description
    int width = 0;
    int height = 0;
    int line = 0;          // line of its 'figure' command
    QStringList commands;  // its drawing commands, as written
    QList<int> lines;      // the line of each command
};

struct Description {
    QList<Figure> figures;
    QStringList faults;    // "file:line: what"
};

Description parse(const QString &fileName, const QString &text);

// Draws one figure; faults in its commands are appended to `faults`.
QImage render(const Figure &figure, const QString &fileName, QStringList *faults);

}  // namespace figgen
