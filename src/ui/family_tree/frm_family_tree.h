#pragma once

#include <QDateTime>
#include <QPointer>
#include <QWidget>
#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <vector>

#include "history/history_store.h"

class QAction;
class QCheckBox;
class QLabel;
template <typename T>
class QFutureWatcher;

namespace pelorin {

class ChangeFollower;
class FamilyTreeView;
class HistoryActions;
struct FamilyTreeScene;

// The family tree of one recorded picture: the picture, its recorded
// ancestors and its recorded descendants, across runs, parents above
// children, a line from each parent to each child as wide as the share of
// traits it gave. The family is read from the history and laid out away
// from the interface, the window saying so meanwhile. Enter or a double
// click opens a picture (HistoryActions::openRecorded); Space ticks or
// clears the Parent box of an open picture of this run; Ctrl+T shows the
// current cell's family instead; Home fits the tree, Ctrl+plus and
// Ctrl+minus zoom; "Export Family Tree..." (Ctrl+E) writes the whole tree as
// SVG or PNG, as the typed name's suffix says (exportTarget). Dragging a
// cell drags its picture out, as a picture window's drag does. Closing it
// deletes it.
class frmFamilyTree final : public QWidget {
  Q_OBJECT

 public:
  frmFamilyTree(HistoryActions& actions, history::PictureId picture, QWidget* parent = nullptr);

  // Null once the program's actions are gone (the window goes with them).
  HistoryActions* actions() const { return actions_.data(); }
  // The picture whose family is shown.
  history::PictureId picture() const { return picture_; }
  FamilyTreeView& view() const { return *view_; }

  // Shows picture's family instead: read again and laid out anew.
  void showFamilyOf(history::PictureId picture);
  // True from asking for a layout until it is shown, or is no longer wanted
  // (the picture is not in the history).
  bool layingOut() const { return layingOut_; }
  // True while a change the program reported waits to be read (the window
  // reads the family again, keeping its view, ChangeFollower::kDelayMs
  // after a change; a hidden window once it is shown again).
  bool refreshPending() const;
  // True once the user closed it (it is then deleted).
  bool closing() const { return closing_; }

  // Writes the whole tree to path: SVG, or PNG at scale 1 or 2. Throws
  // Failure (FileSystem) naming path.
  void exportTo(const QString& path, bool svg, int scale) const;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  struct Laid;
  // Reads the family of picture() from the history at historyPath and lays
  // it out, away from the interface.
  void layOut(const QString& historyPath);
  // Reads picture's family; keepView: the same family again, the view stays.
  void readFamily(history::PictureId picture, bool keepView);
  void refresh();
  void showLaid(const Laid& laid);
  void updateTitle(const std::optional<history::RecordedPicture>& record);
  bool inThisRun(history::RunId run) const { return thisRun_.count(run) > 0; }
  const history::RecordedPicture* recordAt(std::size_t cell) const;
  void openCell(std::size_t cell);
  void tickCell(std::size_t cell);
  // Drags the cell's picture out (DragPicture): an open picture of this run
  // as its window shows it, any other drawn from its recorded code; a
  // damaged record offers nothing.
  void dragCell(std::size_t cell);
  void recentre();
  void exportTree();

  QPointer<HistoryActions> actions_;
  history::PictureId picture_ = 0;
  std::set<history::RunId> thisRun_;  // this run and the runs it continues
  std::map<history::RunId, QDateTime> runStarts_;
  FamilyTreeView* view_ = nullptr;
  QCheckBox* cbxWholePaths_ = nullptr;
  QLabel* lblStatus_ = nullptr;
  QAction* actRecentre_ = nullptr;
  QAction* actExport_ = nullptr;
  std::shared_ptr<const FamilyTreeScene> scene_;
  QFutureWatcher<Laid>* layout_ = nullptr;  // the newest layout asked for, away from the interface
  bool layingOut_ = false;                  // it is wanted and not yet shown
  bool closing_ = false;
  bool keepView_ = false;  // the newest layout asked for refreshes the one shown
  ChangeFollower* follower_ = nullptr;
};

// Shows the family tree window of picture over actions, making it on first
// use (owned by actions, it goes with them); the window already showing that
// picture's family comes to the front instead.
frmFamilyTree& showFamilyTreeWindow(HistoryActions& actions, history::PictureId picture);

}  // namespace pelorin
