#include "loads/loadset.h"

#include "common/numbertext.h"

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
    return prefixedNumber(u"       ", row);
}

} // namespace tragvel
