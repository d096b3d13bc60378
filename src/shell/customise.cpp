#include "shell/customise.h"

namespace fixtora {

customise::customise()
{
    setObjectName(QStringLiteral("customise"));
    setWindowTitle(QStringLiteral("options"));
}

} // namespace fixtora
