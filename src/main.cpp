#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <cstdlib>

#include "picture/picture_registry.h"
#include "platform/platform_choice.h"
#include "platform/quit_signals.h"
#include "ui/common/accessibility.h"
#include "ui/common/language.h"
#include "ui/dialogs/icon_box.h"
#include "ui/main/frm_main.h"
#include "ui/picture_window/frm_object.h"
#include "ui/picture_window/genetic_code_window.h"

namespace {

// The main window while the event loop runs.
pelorin::frmMain* running = nullptr;

// On a lost X connection Qt's xcb calls exit(1) from the event loop, which
// neither returns from exec() nor emits aboutToQuit: the run is ended here.
void endRunAtExit() {
  if (running != nullptr) running->history().endRun();
}

}  // namespace

int main(int argc, char* argv[]) {
  // On Wayland with XWayland, X11: there the windows stand where they are put.
  pelorin::ChoosePlatform(argc, argv);
  QApplication app(argc, argv);
  // The settings ("Keep history") are Pelorin's own: ~/.config/Pelorin/Pelorin.conf.
  QApplication::setOrganizationName(QStringLiteral("Pelorin"));
  QApplication::setApplicationName(QStringLiteral("Pelorin"));
  // Ties the windows to the installed desktop entry and its icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.example.pelorin"));
  QApplication::setWindowIcon(QIcon(pelorin::kPelorinIcon));
  // The language of the desktop (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) when
  // Pelorin speaks it, else English; numbers keep their own settings.
  pelorin::UseLanguage(pelorin::ChooseLanguage(QLocale::system().uiLanguages()));
  pelorin::installAccessibility();
  pelorin::frmMain window;
  window.show();
  // A logout, kill or Ctrl+C ends the run as File > Exit does, not as a crash.
  pelorin::QuitSignals quitSignals(pelorin::QuitSignals::politeEnds());
  QObject::connect(&quitSignals, &pelorin::QuitSignals::asked, &window, &pelorin::frmMain::endProgram);
  running = &window;
  std::atexit(endRunAtExit);
  const int code = QApplication::exec();
  running = nullptr;
  // The program has ended: the pictures and the windows still open go with
  // it while the application object still exists. A window whose picture
  // failed belongs to no picture, so the windows are collected directly.
  pelorin::modObject::ParentList().clear();
  pelorin::modObject::Registry().clear();
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (qobject_cast<pelorin::frmObject*>(widget) != nullptr ||
        qobject_cast<pelorin::GeneticCodeWindow*>(widget) != nullptr) {
      delete widget;
    }
  }
  return code;
}
