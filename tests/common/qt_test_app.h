#pragma once
// The Qt application for tests that draw text, show widgets or filter
// events; created on first use, destroyed when the test program ends.

namespace velmora::test {

void EnsureApplication();

}  // namespace velmora::test
