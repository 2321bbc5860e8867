#include "ui/main/caption.h"

namespace velmora {

namespace {

constexpr int kGameNameLength = 50;
constexpr int kDealNumberLength = 15;

}  // namespace

std::string WindowCaption(const ParamRecord& params) {
    std::string caption = std::string(kProgramName) + " [" +
                          params.ParamRead(param::kGameName, kGameNameLength) + "]";
    const std::string deal = params.ParamRead(param::kDealNumber, kDealNumberLength);
    if (!deal.empty()) caption += "  [" + deal + "]";
    return caption;
}

}  // namespace velmora
