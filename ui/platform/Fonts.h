// SPDX-License-Identifier: MIT
// The game's fonts with fallbacks that give Simplified Chinese glyphs on
// every desktop: without a Chinese (PRC) face named, fontconfig would pick
// Japanese glyph shapes for the Chinese texts.
#pragma once

#include <QFont>

namespace zembra::fonts {

// "宋体": SimSun where it exists, else a Song or CJK SC face.
QFont song(int pixelSize, bool bold = false);
// Arial: Arial, else Liberation Sans, with a CJK SC face for Chinese glyphs.
QFont arial(int pixelSize, bool bold = false, bool underline = false);
// Verdana, else a close sans face, with a CJK SC face for Chinese glyphs.
QFont verdana(int pixelSize, bool underline = false);
// `font` with the CJK SC faces behind its own family, for the texts in the
// toolkit's own font (message boxes, menus).
QFont withChineseGlyphs(QFont font);
// `font` with only its first family: the Latin face the layout names, whose
// metrics the classic desktop lays text out by.
QFont latinFace(QFont font);

}  // namespace zembra::fonts
