#include <gtest/gtest.h>

#include <QApplication>

#include <cstdlib>
#include <memory>

#include "qt_test_app.h"

namespace {
int g_argc = 1;
char g_name[] = "platform_tests";
char* g_argv[] = {g_name, nullptr};
std::unique_ptr<QApplication> g_app;
}  // namespace

void velmora::test::EnsureApplication() {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);  // Qt aborts without a display otherwise
    if (!g_app) g_app = std::make_unique<QApplication>(g_argc, g_argv);
}

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    int result = RUN_ALL_TESTS();
    g_app.reset();
    return result;
}
