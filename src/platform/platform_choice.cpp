#include "platform/platform_choice.h"

#include <QtGlobal>

namespace pelorin {

QByteArray ChosenPlatform(const DisplayEnvironment& environment, const QStringList& arguments) {
  if (!environment.qpaPlatform.isEmpty()) return {};
  // Qt takes the option with one dash or two, the name as the next argument.
  for (const QString& argument : arguments) {
    if (argument == QLatin1String("-platform") || argument == QLatin1String("--platform")) return {};
  }
  if (environment.waylandDisplay.isEmpty() || environment.display.isEmpty()) return {};
  return QByteArrayLiteral("xcb");
}

void ChoosePlatform(int argc, char** argv) {
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  const QByteArray chosen =
      ChosenPlatform({qgetenv("QT_QPA_PLATFORM"), qgetenv("WAYLAND_DISPLAY"), qgetenv("DISPLAY")}, arguments);
  if (!chosen.isEmpty()) qputenv("QT_QPA_PLATFORM", chosen);
}

}  // namespace pelorin
