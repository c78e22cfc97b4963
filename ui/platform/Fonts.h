// SPDX-License-Identifier: MIT
// The faces the windows are laid out for, the same on every machine: the
// game carries its own (a Song face for "宋体", one with Arial's metrics,
// one close to Verdana) and resolves every font to them by name, so that no
// font configuration can put another face in their place. On Windows the
// system's own SimSun, Arial and Verdana come first where they exist.
#pragma once

#include <QFont>
#include <QStringList>

namespace zembra::fonts {

// Makes the game's faces known to the application: the embedded ones, and
// the bitmap strikes of the Song face from their files beside the program
// (see strikeFolders()); without those files the outlines stand in. Call
// once, after the application object exists and before the first window is
// created. Returns how many faces were registered.
int registerFaces();

// "宋体".
QFont song(int pixelSize, bool bold = false);
// Arial, with the Song face for Chinese glyphs, as a Chinese Windows links them.
QFont arial(int pixelSize, bool bold = false, bool underline = false);
// Verdana, with the Song face for Chinese glyphs.
QFont verdana(int pixelSize, bool underline = false);

// The game's family names, strikes included, and the embedded faces' files.
const QStringList& embeddedFamilies();
const QStringList& embeddedFiles();
// The strikes' file names, and the folders they are looked for in, first
// match first: relative to the program's own folder, so that an unpacked
// download, an install under any prefix and a build tree all find theirs.
// One definition per platform.
const QStringList& strikeFiles();
QStringList strikeFolders();

// The families for one face of the layout: the system's face of that name
// first where the platform ships it, else the embedded faces alone. One
// definition per platform.
QStringList systemFirst(const char* system, const QStringList& embedded);

}  // namespace zembra::fonts
