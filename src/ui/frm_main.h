#pragma once

#include <QMainWindow>

namespace pelorin {

// The start-up window.
class frmMain : public QMainWindow {
  Q_OBJECT

 public:
  explicit frmMain(QWidget* parent = nullptr);
};

}  // namespace pelorin
