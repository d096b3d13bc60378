#pragma once
// The running version as the windows show it and as the preference store keeps it.

#include <QString>

namespace fixtora {

// Major version, ".", minor version and revision with nothing between them:
// "1.40" for version 1.4, revision 0.
QString VersionNumber();

// "V1.4.0": the text stored under "version" to notice a newly installed version.
QString StoredVersionText();

} // namespace fixtora
