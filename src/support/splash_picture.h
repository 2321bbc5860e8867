#pragma once
// The product picture of the splash window, made with the resource library
// (bitmap "SPLASH_PICTURE"), and the program's version.

#include <QImage>
#include <QString>

namespace velmora {

class ResourceLibrary;

inline constexpr int kSplashWidth = 393;
inline constexpr int kSplashHeight = 309;
inline constexpr const char* kSplashPictureName = "SPLASH_PICTURE";

// The program's version as the picture and the about box show it.
QString ProgramVersion();

// The picture, kSplashWidth by kSplashHeight: the library's, or without it
// (or with a picture of another size) the table's green with the name.
QImage SplashPicture(const ResourceLibrary* library);

}  // namespace velmora
