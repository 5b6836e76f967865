// main() for tests that need a QApplication. Test discovery runs the binary
// without the test's environment, so the offscreen platform is set here.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QWidget>

#include "picture/picture_registry.h"
#include "support/printed_dialogs.h"
#include "ui/common/accessibility.h"

namespace {

// No pictures and no windows: what every test starts with, and what is left
// when the last has run (a window left open would be a leak at exit).
void clearPicturesAndWindows() {
  pelorin::modObject::ParentList().clear();
  pelorin::modObject::Registry().clear();
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->parentWidget() == nullptr) widget->deleteLater();
  }
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class FreshState final : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override { clearPicturesAndWindows(); }
};

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // The user's own history and settings stay untouched: the history file
  // and "Keep history" go to a folder of the tests' own.
  QTemporaryDir userFolders;
  if (!userFolders.isValid()) return 2;
  qputenv("XDG_DATA_HOME", userFolders.filePath(QStringLiteral("data")).toLocal8Bit());
  qputenv("XDG_CONFIG_HOME", userFolders.filePath(QStringLiteral("config")).toLocal8Bit());
  qputenv("XDG_CACHE_HOME", userFolders.filePath(QStringLiteral("cache")).toLocal8Bit());
  // The programs a test starts speak English, the tests' language, whatever
  // the machine's; a test that wants another language installs it.
  qputenv("LANGUAGE", "en");
  QApplication app(argc, argv);
  // Unless a test installs its own seams.
  pelorin::testing::PrintedDialogs dialogs;
  const pelorin::Seam<pelorin::UserMessages>::Scope messages(dialogs);
  const pelorin::Seam<pelorin::FileDialogs>::Scope fileDialogs(dialogs);
  pelorin::installAccessibility();
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::UnitTest::GetInstance()->listeners().Append(new FreshState);
  const int result = RUN_ALL_TESTS();
  clearPicturesAndWindows();
  return result;
}
