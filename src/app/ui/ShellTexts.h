#pragma once

#include <QString>

// Texts shown in more than one place of the shell: window captions, labels and
// toolbar keys that name the same thing.
namespace ShellTexts {

inline const QString kViewReports = QStringLiteral("View Reports");

// The four main reports, as the toolbar keys and the menu page's captions name them.
inline const QString kDataList = QStringLiteral("Data List");
inline const QString kStandardDay = QStringLiteral("Standard Day");
inline const QString kLineGraph = QStringLiteral("Line Graph");
inline const QString kHistogram = QStringLiteral("Histogram");

} // namespace ShellTexts
