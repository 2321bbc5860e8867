#pragma once
// The product picture of the splash window and the about box: the table's
// green felt, a fan of cards from the resource library and the program's
// name, line and version.

#include <QImage>
#include <QString>

namespace velmora {

class ResourceLibrary;

inline constexpr int kSplashWidth = 393;
inline constexpr int kSplashHeight = 309;

// The program's version as the picture and the about box show it.
QString ProgramVersion();

// The picture, kSplashWidth by kSplashHeight. Without a library (or with one
// lacking the card faces) the fan is drawn as plain cards with their suits.
QImage DrawSplashPicture(const ResourceLibrary* library);

}  // namespace velmora
