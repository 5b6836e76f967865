#include <QApplication>

#include "ui/frm_main.h"
#include "ui/frm_object.h"
#include "ui/mod_object.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  pelorin::installPictureWindows();
  pelorin::frmMain window;
  window.show();
  const int code = QApplication::exec();
  // The pictures hold their windows: let them go while the application exists.
  pelorin::modObject::ParentList().clear();
  pelorin::modObject::Registry().clear();
  return code;
}
