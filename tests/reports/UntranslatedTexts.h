#pragma once

#include <QStringList>

class QWidget;

// What a window shows or a screen reader says of it that is still English in
// a translated program: the titles; the texts of its labels, buttons, lists,
// table headers and charts; the names, descriptions and tips of its controls.
// Only what is shown counts (a control hidden until the pointer is over the
// chart does not). A text passes when each of its words with a Latin letter
// is one of keep (names, units, marks such as "PC"); numbers, dates and signs
// always pass.
//
// Example: keep {"ann", "mg/dL"}: "帳號：", "ann" and "血糖 mg/dL" pass,
// "Glucose mg/dL" is listed as `MSChart1: "Glucose mg/dL"`.
namespace UntranslatedTexts {

QStringList in(QWidget *window, const QStringList &keep);
// The same test for a text that is not a control's (a message).
bool isEnglish(const QString &text, const QStringList &keep);

} // namespace UntranslatedTexts
