#include <QApplication>

#include "ui/frm_main.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  pelorin::frmMain window;
  window.show();
  return QApplication::exec();
}
