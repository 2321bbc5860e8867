#include "engine/model/games_file_ahead.h"

#include <utility>

namespace velmora {

GamesFileAhead::GamesFileAhead(std::string path) : path_(std::move(path)) {
    // The helper writes only data_, which Take reads after the result.
    result_ = std::async(std::launch::async, [this] { return LoadGamesFile(path_, data_); });
}

GamesFileAhead::~GamesFileAhead() {
    if (result_.valid()) result_.wait();
}

GamesFileResult GamesFileAhead::Take(const std::string& path, GamesData& out) {
    if (path != path_ || !result_.valid()) return LoadGamesFile(path, out);
    const GamesFileResult result = result_.get();
    out = std::move(data_);
    data_ = GamesData();
    return result;
}

}  // namespace velmora
