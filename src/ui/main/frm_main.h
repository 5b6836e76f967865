#pragma once

#include <QMainWindow>
#include <QPointer>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <vector>

#include "app_state/mod_genes.h"
#include "app_state/mod_object.h"
#include "picture/picture_window.h"
#include "ui/common/picture_drops.h"
#include "ui/dialogs/dialogs.h"
#include "ui/main/history_keeper.h"

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

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

  // A drop on the main window or the board: makes a picture of each item in
  // order, one per turn of the event loop, as Open makes one: a file as if
  // the name box named it, text as New Picture from Clipboard takes it, at
  // the rate box's rate checked once now (a rate that is no number shows
  // ErrorMR and nothing is made). An item that fails makes no picture (a
  // window it left is closed); a URL of no local file is never fetched.
  // Once the last item is done, one message over reportTo (else this
  // window) names every item that failed and why.
  void takeDrop(std::vector<DroppedItem> items, QWidget* reportTo);
  // Dropped items still waiting to be made.
  std::size_t dropsWaiting() const;

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
  // Open's work for a file named name (or none), at rate, with parents.
  void openNamed(const HistoryKeeper::BoxTexts& boxes, const modGenes::RateText& rate,
                 std::vector<std::shared_ptr<clsObject>> parents, const PictureWindowFactory& makeWindow);
  struct DropBatch;
  // Makes the picture of the next dropped item; after a drop's last item,
  // reports its failures.
  void makeNextDropped();
  // The failure of item, or none when it made its picture.
  std::optional<QString> makeDropped(const DropBatch& batch, const DroppedItem& item);
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
  std::deque<DropBatch> drops_;
  QTimer* dropTimer_ = nullptr;  // zero interval: one dropped item per turn while any wait
};

}  // namespace pelorin
