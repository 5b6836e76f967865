#include "ui/common/front_window.h"

#include <gtest/gtest.h>

namespace pelorin {
namespace {

// Every Wayland plugin by its name, not only "wayland"; any other places.
TEST(WindowsArePlaced, OnEveryPlatformButNativeWayland) {
  for (const char* platform : {"wayland", "wayland-egl", "wayland-xcomposite-glx"})
    EXPECT_FALSE(windowsArePlaced(QString::fromLatin1(platform))) << platform;
  for (const char* platform : {"xcb", "offscreen", "eglfs"})
    EXPECT_TRUE(windowsArePlaced(QString::fromLatin1(platform))) << platform;
}

}  // namespace
}  // namespace pelorin
