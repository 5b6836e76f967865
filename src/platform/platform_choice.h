#pragma once

#include <QByteArray>
#include <QStringList>

namespace pelorin {

// What the environment says about the display, as the program starts.
struct DisplayEnvironment {
  QByteArray qpaPlatform;     // QT_QPA_PLATFORM; empty when unset
  QByteArray waylandDisplay;  // WAYLAND_DISPLAY
  QByteArray display;         // DISPLAY
};

// The Qt platform Pelorin asks for itself: "xcb" on a Wayland session that
// also has an X server (XWayland), where its windows can be placed where the
// program puts them and the history records; empty to leave the choice to
// Qt: the user chose a platform (QT_QPA_PLATFORM, or -platform among
// arguments), or there is no X server.
QByteArray ChosenPlatform(const DisplayEnvironment& environment, const QStringList& arguments);

// The same for this process's environment and command line (argv as main
// receives it); sets QT_QPA_PLATFORM when it chooses. Call before the
// application object exists.
void ChoosePlatform(int argc, char** argv);

}  // namespace pelorin
