#include "bank.h"

#include <algorithm>

namespace velk {

namespace {
const QStringList &emptyList()
{
    static const QStringList empty;
    return empty;
}
}  // namespace

QStringList permutationRows(int m)
{
    QStringList rows;
    if (m < 1 || m > 9)
        return rows;
    QString digits;
    for (int d = 1; d <= m; ++d)
        digits += QChar('0' + d);
    std::string s = digits.toStdString();
    do {
        rows << QString::fromStdString(s);
    } while (std::next_permutation(s.begin(), s.end()));
    return rows;
}

Bank::Bank()
{
    for (int k = 21; k <= QuestionLists; ++k)
        list1_[k] << QStringLiteral("List1(%1) - въпрос от теста").arg(k);
    for (int m = 2; m <= 5; ++m)
        poredica_[m] = permutationRows(m);
    obqsnenie_[0] << QStringLiteral("Няма обяснение.");
    for (int k = 21; k <= Slots; ++k)
        obqsnenie_[k] << QStringLiteral("Обяснение %1").arg(k);
}

const QStringList &Bank::List1(int k) const
{
    return (k >= 0 && k <= QuestionLists) ? list1_[k] : emptyList();
}

QStringList *Bank::List1Mut(int k)
{
    return (k >= 0 && k <= QuestionLists) ? &list1_[k] : nullptr;
}

const QStringList &Bank::Poredica(int m) const
{
    return (m >= 2 && m <= 5) ? poredica_[m] : emptyList();
}

const QStringList &Bank::Obqsnenie(int k) const
{
    return (k >= 0 && k <= Slots) ? obqsnenie_[k] : emptyList();
}

QString Bank::Picture1(int k) const
{
    return (k >= 0 && k <= Slots) ? picture1_[k] : QString();
}

void Bank::setPicture1(int k, const QString &path)
{
    if (k >= 0 && k <= Slots)
        picture1_[k] = path;
}

QString Bank::settingRow(int r) const
{
    return (r >= 0 && r < List2.size()) ? List2.at(r) : QString();
}

int Bank::SettingDigit(int r) const
{
    const QString row = settingRow(r);
    if (row.isEmpty())
        return 0;
    const QChar last = row.back();
    return (last >= QLatin1Char('0') && last <= QLatin1Char('9')) ? last.unicode() - '0' : 0;
}

}  // namespace velk
