#pragma once

#include <QStringList>

class QWidget;

// What a window shows or a screen reader says of it that is still English in
// a translated program: its title; the texts of its labels, buttons, typing
// boxes, table headers and charts; the names, descriptions and tips of its
// controls. Only what is shown counts (a control hidden until the pointer is
// over the chart does not). A text passes when nothing of the Latin alphabet
// is left once the words of keep (names, units, marks such as "PC") are taken
// out; numbers, dates and signs always pass.
//
// Example: keep {"ann", "mg/dL"}: "帳號：" and "ann" and "血糖 mg/dL" pass,
// "Glucose mg/dL" is listed as `MSChart1 chart: "Glucose mg/dL"`.
namespace UntranslatedTexts {

QStringList in(QWidget *window, const QStringList &keep);
// The same test for a text that is not a control's (a message).
bool isEnglish(const QString &text, const QStringList &keep);

} // namespace UntranslatedTexts
