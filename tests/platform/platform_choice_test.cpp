#include "platform/platform_choice.h"

#include <gtest/gtest.h>

namespace pelorin {
namespace {

// Every combination of a chosen platform, a Wayland socket and an X display,
// and the command line's own choice.
TEST(PlatformChoice, XcbOnlyOnWaylandWithAnXServerAndNoChoiceOfTheUsers) {
  const struct {
    const char* platform;
    const char* wayland;
    const char* display;
    QStringList arguments;
    const char* chosen;
  } cases[] = {
      {"", "wayland-0", ":0", {}, "xcb"},
      {"", "wayland-0", ":0", {"pelorin", "--platform", "wayland"}, ""},
      {"", "wayland-0", ":0", {"-platform", "wayland"}, ""},
      {"", "wayland-0", ":0", {"pic.txt", "-platformx"}, "xcb"},
      {"wayland", "wayland-0", ":0", {}, ""},
      {"", "wayland-0", "", {}, ""},  // no X server: native Wayland
      {"", "", ":0", {}, ""},         // X11: Qt's own choice is xcb already
  };
  for (const auto& row : cases) {
    EXPECT_EQ(ChosenPlatform({row.platform, row.wayland, row.display}, row.arguments), QByteArray(row.chosen))
        << row.platform << '|' << row.wayland << '|' << row.display << '|' << row.arguments.join(' ').toStdString();
  }
}

}  // namespace
}  // namespace pelorin
