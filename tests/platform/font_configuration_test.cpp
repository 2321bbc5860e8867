#include <gtest/gtest.h>

#include "platform/font_configuration.h"
#include "platform/fonts.h"
#include "qt_test_app.h"

namespace velmora {
namespace {

// The reading ahead ends cleanly however the program goes on: a helper left
// running at destruction would end the process.
TEST(FontConfigurationAhead, EndsCleanlyWaitedForOnceTwiceOrNotAtAll) {
    { FontConfigurationAhead dropped; }
    FontConfigurationAhead ahead;
    ahead.Wait();
    ahead.Wait();
    // The font database filled afterwards lists the installed card fonts.
    test::EnsureApplication();
    EXPECT_TRUE(FontInstalled("DejaVu Sans"));
    EXPECT_TRUE(FontInstalled("DejaVu Serif"));
}

}  // namespace
}  // namespace velmora
