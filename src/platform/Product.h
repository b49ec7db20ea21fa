#pragma once

#include <QString>

// The program's name and version. The version is the build's project version,
// so the title bar, the about box, --help and --version always agree with the package.
namespace Product {

inline const QString kName = QStringLiteral("Dextrel Management Software");
inline const QString kVersion = QStringLiteral(DEXTREL_VERSION);

} // namespace Product
