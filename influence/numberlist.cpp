#include "influence/numberlist.h"

#include "common/numbertext.h"

#include <QRegularExpression>

namespace tragvel::influence {

NumberList parseNumberList(const QString &text, QChar decimalSeparator)
{
    NumberList list;
    static const QRegularExpression separators(QStringLiteral("[;\\s]+"));
    for (const QString &item : text.split(separators, Qt::SkipEmptyParts)) {
        const std::optional<double> value = parseReal(item, decimalSeparator);
        if (!value) {
            list.error = QStringLiteral("„%1“ není číslo: zadejte čísla oddělená středníkem.").arg(item);
            list.values.clear();
            return list;
        }
        list.values.push_back(*value);
    }
    return list;
}

} // namespace tragvel::influence
