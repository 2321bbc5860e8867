# Writes OUT, a header naming the card art by a digest of its sources
# (every file in ART_DIR), so pictures kept drawn between starts are known
# for pictures of other art once any of those files changes.
file(GLOB art_files "${ART_DIR}/*")
list(SORT art_files)
set(digests "")
foreach(file IN LISTS art_files)
  file(SHA256 "${file}" digest)
  string(APPEND digests "${digest}")
endforeach()
string(SHA256 whole "${digests}")
string(SUBSTRING "${whole}" 0 16 stamp)
set(text "// Made by cmake/ArtStamp.cmake from the art's sources.\n#pragma once\n#define VELMORA_ART_STAMP 0x${stamp}ULL\n")
file(WRITE "${OUT}" "${text}")
