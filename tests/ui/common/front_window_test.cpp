#include "ui/common/front_window.h"

#include <gtest/gtest.h>

namespace pelorin {
namespace {

// Qt's platform plugins by name: every Wayland one, and those that place.
TEST(WindowsArePlaced, OnEveryPlatformButNativeWayland) {
  const struct {
    const char* platform;
    bool placed;
  } cases[] = {{"wayland", false}, {"wayland-egl", false}, {"wayland-xcomposite-glx", false},
               {"xcb", true},      {"offscreen", true},    {"eglfs", true}};
  for (const auto& [platform, placed] : cases) {
    EXPECT_EQ(windowsArePlaced(QString::fromLatin1(platform)), placed) << platform;
  }
  EXPECT_TRUE(windowsArePlaced());  // the tests' own, offscreen
}

}  // namespace
}  // namespace pelorin
