#include "engine/deal/deal_number.h"

#include <cstdint>
#include <random>

#include "text/fixed_text.h"

namespace velmora {

std::string NewDealNumber(Engine& e) {
    // The product of the two factors has at most 13 digits.
    std::uniform_int_distribution<int64_t> first(0, 9'999'998);
    std::uniform_int_distribution<int64_t> second(0, 999'998);
    const int64_t a = first(e.random);
    const int64_t b = second(e.random);
    const std::string number = ZeroPad(a * b, kDealDigits);
    e.params.ParamWrite(param::kDealNumber, 15, number);
    return number;
}

std::string DealDigits(std::string_view stored) {
    std::string digits = RightPart(std::string(kDealDigits, '0') + std::string(stored), kDealDigits);
    for (char& c : digits)
        if (c < '0' || c > '9') c = '0';
    return digits;
}

}  // namespace velmora
