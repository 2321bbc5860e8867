#pragma once
// The first table's card pictures kept drawn between starts, in
// "DATA\CARDPICS.DAT" beside the size kept in "DATA\CARDSIZE.DAT". Drawing
// the 52 faces, the back and the marks takes a helper about ten
// milliseconds of a core the starting window needs; reading them back takes
// a fraction of that. The file names the pictures it holds (the size, card
// set, back and marks, as the size file does) and the art that drew them; a
// file for other pictures or other art, cut short, grown or changed in any
// byte, is no file at all, and the pictures are drawn as without it.
//
// Layout: the line "velmora pictures 1", the size line, "art <16 hex
// digits>", "count <n>"; then each picture's width and height (two 32-bit
// numbers, 0 0 for none), each picture's RGB32 pixels row by row, and a
// 64-bit check of those pixels.

#include <QImage>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "support/pictures_ahead.h"

namespace velmora {

inline constexpr const char* kKeptPicturesName = "DATA\\CARDPICS.DAT";

// The art that draws the pictures: a digest of its sources and the version
// of Qt's painting.
uint64_t ArtStamp();

// Every picture drawn ahead for `table`, in a batch's order: the 52 faces,
// the back, the marks.
std::vector<QImage> DrawTablePictures(const TablePictures& table);

std::string FormatKeptPictures(const TablePictures& table, uint64_t art, const std::vector<QImage>& pictures);
// The pictures, when the file at `path` holds exactly `table`'s by that
// art, whole and unchanged.
std::optional<std::vector<QImage>> ReadKeptPictures(const std::string& path, const TablePictures& table,
                                                    uint64_t art);
// Whether the file at `path` names `table`'s pictures by that art (its head
// only).
bool KeptPicturesNamed(const std::string& path, const TablePictures& table, uint64_t art);

// The pictures for a batch drawn ahead: those read back, or nothing. A file
// that names them but does not hold them whole is removed, so the next
// keeping writes it anew.
std::optional<std::vector<QImage>> TakeKeptPictures(const std::string& path, const TablePictures& table);

// The file below the data folder.
std::string KeptPicturesPath(const std::string& data_folder);
// Draws and writes `table`'s pictures unless the file names them already;
// the memory used for them goes back to the system afterwards.
void KeepTablePictures(const std::string& data_folder, const TablePictures& table);

}  // namespace velmora
