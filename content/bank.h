#pragma once
// The content bank VELK_Danni: every text list and picture slot a test run
// reads, addressed by member name and index as the engine uses them.

#include <QString>
#include <QStringList>

namespace velk {

class Bank {
public:
    static constexpr int QuestionLists = 39;  // List1(1..39)
    static constexpr int Slots = 29;          // Obqsnenie(0..29), Picture1(0..29)

    // A bank with every placeholder row and the option-order tables, but no
    // questions and no settings: the loader fills it from a bank file.
    Bank();

    // Out-of-range indexes read as an empty list or an empty slot; they
    // never reach past the arrays.
    const QStringList &List1(int k) const;
    QStringList *List1Mut(int k);
    const QStringList &Poredica(int m) const;
    const QStringList &Obqsnenie(int k) const;
    QString Picture1(int k) const;            // resource path, empty = nothing
    void setPicture1(int k, const QString &path);

    QStringList List2;                        // the six settings rows
    QStringList Text1;                        // the author's note; nothing reads it

    // Numeric value of the last character of settings row r: "0".."9" give
    // 0..9, anything else (and a missing or empty row) gives 0.
    int SettingDigit(int r) const;
    QString settingRow(int r) const;

    // Writable access for the loader.
    QStringList &obqsnenieRef(int k) { return obqsnenie_[k]; }

private:
    QStringList list1_[QuestionLists + 1];
    QStringList poredica_[6];
    QStringList obqsnenie_[Slots + 1];
    QString picture1_[Slots + 1];
};

// Every arrangement of the digits 1..m as m-character strings, in ascending
// lexicographic order.
QStringList permutationRows(int m);

// Settings row names.
enum SettingRow { Header = 0, PhraseMode = 1, GuessCheck = 2, TestTitle = 3,
                  ShowExplanation = 4, ReviewBrowse = 5 };

}  // namespace velk
