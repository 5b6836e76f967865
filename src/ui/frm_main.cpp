#include "ui/frm_main.h"

namespace pelorin {

frmMain::frmMain(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(QStringLiteral("Main"));
}

}  // namespace pelorin
