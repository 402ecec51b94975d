#include "numbers.h"

#include <cmath>
#include <limits>

namespace velk {

double numericValue(const QString &text)
{
    int i = 0;
    const int n = text.size();
    while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    const int start = i;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        ++i;
    int digits = 0;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
        ++i;
        ++digits;
    }
    if (i < n && text[i] == QLatin1Char('.')) {
        ++i;
        while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    bool ok = false;
    const double v = text.mid(start, i - start).toDouble(&ok);
    return ok ? v : 0;
}

qint16 toInt16(double value)
{
    if (std::isnan(value))
        return 0;
    const double r = std::nearbyint(value);  // the default mode rounds halves to even
    if (r >= std::numeric_limits<qint16>::max())
        return std::numeric_limits<qint16>::max();
    if (r <= std::numeric_limits<qint16>::min())
        return std::numeric_limits<qint16>::min();
    return static_cast<qint16>(r);
}

QString rowAt(const QStringList &list, int i)
{
    return (i >= 0 && i < list.size()) ? list.at(i) : QString();
}

QString charAt(const QString &text, int p)
{
    return (p >= 1 && p <= text.size()) ? QString(text.at(p - 1)) : QString();
}

}  // namespace velk
