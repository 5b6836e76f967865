#pragma once

#include <QMainWindow>
#include <QPointer>
#include <cstdint>
#include <memory>
#include <optional>

#include "app_state/mod_genes.h"
#include "app_state/mod_object.h"
#include "ui/dialogs/dialogs.h"
#include "ui/main/history_keeper.h"

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;

namespace pelorin {

class clsObject;
class frmBoard;

// The start-up window: the mutation-rate and name boxes, Open, and the menus.
// Constructing it gives the application state its start values and loads
// the information dialogs. Open hands the model the boxes' texts and the
// ticked pictures. File > Exit and closing it end the event loop at once.
// It owns the keeper of the history, which opens the history file once the
// window has shown; File > Reopen Closed Picture and Resume Last Run use it.
class frmMain : public QMainWindow {
  Q_OBJECT

 public:
  explicit frmMain(QWidget* parent = nullptr);
  ~frmMain() override;

  Dialogs& dialogs() { return dialogs_; }

  // Open: shows ErrorMR when the rate box holds no number, otherwise
  // creates, draws and registers the next picture. A failure is reported
  // to the user over reportTo.
  void openPicture(QWidget* reportTo);

  // The board, made on first use; shown from View > Board.
  frmBoard& board();

  // The history's keeper: what a History window asks of the program.
  HistoryKeeper& history() { return *history_; }

  // Ends the history's run cleanly, then the event loop: File > Exit, and
  // the signals that ask the program to end.
  void endProgram();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void buildControls();
  void buildMenus();
  void btnOpen_Click();
  // The two boxes' texts as they stand.
  HistoryKeeper::BoxTexts boxTexts() const;
  // False, with ErrorMR shown, when rate is no number.
  bool checkMutationRate(const modGenes::RateText& rate);
  // Tells the board of a picture that was made and registered, and the
  // history; savedFrom: whoever saved the file it was read from.
  void pictureOpened(const std::shared_ptr<clsObject>& picture, const HistoryKeeper::BoxTexts& boxes,
                     const std::optional<HistoryKeeper::Lineage>& savedFrom = std::nullopt);
  // The family tree window of picture number of this run; when the history
  // holds no record of it, the user is told so.
  void showFamilyTreeOf(PictureNumber number);
  // Enables Reopen Closed Picture and Resume Last Run when they can act.
  void updateHistoryItems();
  // Opens a picture whose genetic code is the clipboard's text, as Open
  // opens a genetic code file of that text; text that is not a whole genetic
  // code, or a clipboard without text, makes nothing and is reported.
  void F_NewFromClipboard_Click();
  Dialogs dialogs_;
  QPointer<frmBoard> board_;
  QLineEdit* txtMutationRate_ = nullptr;
  QLabel* lblMutationRate_ = nullptr;
  QPushButton* btnOpen_ = nullptr;
  QLineEdit* txtName_ = nullptr;
  HistoryKeeper* history_ = nullptr;
  QAction* F_ReopenClosed_ = nullptr;
  QAction* F_ResumeLast_ = nullptr;
  bool historyAsked_ = false;  // the history's opening is scheduled
};

}  // namespace pelorin
