// The learner's language is the default locale, which the program sets from the language it
// speaks, so numbers and sentences always agree.
#include "units.h"

#include <QLocale>

namespace camdesign {

QString learnerNumber(double value, int decimals)
{
    const QLocale locale;
    QString text = locale.toString(value, 'f', decimals);
    const QString point = locale.decimalPoint();
    if (decimals > 0 && text.contains(point)) {
        while (text.endsWith(locale.zeroDigit()))
            text.chop(locale.zeroDigit().size());
        if (text.endsWith(point))
            text.chop(point.size());
    }
    if (text == locale.negativeSign() + locale.zeroDigit())
        text = locale.zeroDigit();
    return text;
}

QByteArray fileNumber(double value)
{
    QByteArray text = QByteArray::number(value, 'f', 4);
    if (text.contains('.')) {
        while (text.endsWith('0'))
            text.chop(1);
        if (text.endsWith('.'))
            text.chop(1);
    }
    return text == "-0" ? QByteArray("0") : text;
}

} // namespace camdesign
