#pragma once
// Reading a bank file and checking it against the limits a test run needs.
//
// A bank file is UTF-8 text, one "keyword: value" per line. Blank lines and
// lines starting with '#' are skipped. After the colon one blank is dropped;
// the rest of the line is the value, exactly as written.
//
//   setting: <row>     six rows before the first question; the last
//                      character of rows 1, 2, 4, 5 is the switch
//   note: <line>       the author's note (optional, before the first question)
//   stem: <text>       starts a question
//   option: <text>     an option, in stored order
//   right: <text>      an option that is the right answer
//   key: <text>        instead of 'right:': the right answer, which must
//                      equal exactly one option
//   explain: <line>    a line of the worked solution, in display order
//   figure: <file>     an image file beside the bank file (optional)

#include "bank.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace velk {

// The figure box holds figures up to this many pixels.
constexpr int FigureMaxWidth = 225;
constexpr int FigureMaxHeight = 137;

struct LoadResult {
    Bank bank;
    QStringList faults;        // one line per fault; empty when the bank is sound
    QStringList figureFiles;   // file names of the figures the bank uses
    bool ok() const { return faults.isEmpty(); }
};

// Parses and checks `text`. `fileName` names the file in fault lines;
// figures are read from `figureDir` and stored in the bank as
// `figurePrefix` + file name.
LoadResult loadBank(const QString &fileName, const QByteArray &text,
                    const QString &figureDir, const QString &figurePrefix);

// A bank file on disk, figures beside it.
LoadResult loadBankFile(const QString &path);

// The bank built into the program.
LoadResult loadEmbeddedBank();

}  // namespace velk
