#pragma once

#include <QMainWindow>

#include "ui/dialogs.h"
#include "ui/main_window_boxes.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace pelorin {

// The start-up window: the mutation-rate and name boxes, Open, and the menus.
// Constructing it gives the application state its start values and loads
// the information dialogs; it serves the model its boxes while it lives.
// File > Exit and closing it end the event loop at once.
class frmMain : public QMainWindow, public MainWindowBoxes {
  Q_OBJECT

 public:
  explicit frmMain(QWidget* parent = nullptr);
  ~frmMain() override;

  QString mutationRateText() const override;
  QString nameText() const override;

  Dialogs& dialogs() { return dialogs_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildControls();
  void buildMenus();
  void btnOpen_Click();
  // Creates the picture of one Open; runs only for a valid mutation rate.
  void createPicture();
  // Opens a picture whose genetic code is the clipboard's text, as Open
  // opens a genetic code file of that text; text that is not a whole genetic
  // code makes nothing and is reported.
  void F_NewFromClipboard_Click();
  static void endProgram();

  Dialogs dialogs_;
  QLineEdit* txtMutationRate_ = nullptr;
  QLabel* lblMutationRate_ = nullptr;
  QPushButton* btnOpen_ = nullptr;
  QLineEdit* txtName_ = nullptr;
};

}  // namespace pelorin
