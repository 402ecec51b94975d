#pragma once
// How the engine turns row texts into numbers and back.

#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace velk {

// Numeric-prefix rule: skip leading blanks, take the longest prefix that is
// a decimal number (sign, digits, decimal point); otherwise 0.
double numericValue(const QString &text);

// Nearest integer, halves to the even neighbour, clamped to 16 bits.
qint16 toInt16(double value);

// Plain decimal form: "-1", "0", "20".
inline QString numText(long long n) { return QString::number(n); }

// Row i of a list, or "" when the list has no such row.
QString rowAt(const QStringList &list, int i);

// Numeric value of row i, as a 16-bit integer.
inline qint16 rowInt(const QStringList &list, int i) { return toInt16(numericValue(rowAt(list, i))); }

// Replaces row i of a table; a row the table does not have is left alone.
inline void setRow(QStringList &list, int i, const QString &text)
{
    if (i >= 0 && i < list.size())
        list[i] = text;
}

// Character p (counted from 1) of a text, or "" past its end.
QString charAt(const QString &text, int p);

}  // namespace velk
