#pragma once

class QApplication;

// Chinese text on screen in a face with the forms of the characters readers
// in Taiwan learned. Left to itself, the text engine picks the face for
// Chinese characters by the system's language: on an English system that is
// the Japanese one. While the program speaks Traditional Chinese, the
// application's font names a Traditional Chinese face after its own, for the
// characters its own face lacks; English keeps the font it started with.
namespace LanguageFont {

// Follows every change of language from now on, and the one in force.
void follow(QApplication *app);

} // namespace LanguageFont
