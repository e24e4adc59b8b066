#include "loads/loadset.h"

namespace tragvel {

const LoadSet &designLoadSet()
{
    static const LoadSet set{QStringLiteral("       "), QStringLiteral("       ")};
    return set;
}

const LoadSet &assessmentLoadSet()
{
    static const LoadSet set{QString(), QStringLiteral("      ")};
    return set;
}

QString standardRowLabel(int row)
{
    return QStringLiteral("       ") + QString::number(row);
}

} // namespace tragvel
