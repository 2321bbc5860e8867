#include "engine/deal/deal_rules.h"

namespace velmora {

const DealRules& RefusingRules() {
    static const RefusingDealRules rules;
    return rules;
}

}  // namespace velmora
