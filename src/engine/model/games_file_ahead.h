#pragma once
// The games file read and checked on a helper thread while the program
// shows its splash and builds its window: every start checks every value of
// every game, a millisecond or more the window need not wait for.

#include <future>
#include <string>

#include "engine/model/games_file.h"
#include "engine/model/games_file_check.h"

namespace velmora {

class GamesFileAhead {
  public:
    // Starts reading the file at `path`.
    explicit GamesFileAhead(std::string path);
    // Waits for the helper when nothing took its result.
    ~GamesFileAhead();
    GamesFileAhead(const GamesFileAhead&) = delete;
    GamesFileAhead& operator=(const GamesFileAhead&) = delete;

    // The file at `path` as LoadGamesFile reads it into `out`: the reading
    // begun ahead when `path` is the file it was begun for and nothing took
    // it yet, else a reading made now.
    GamesFileResult Take(const std::string& path, GamesData& out);

  private:
    std::string path_;
    GamesData data_;
    std::future<GamesFileResult> result_;
};

}  // namespace velmora
