#pragma once

#include <QAccessibleWidget>
#include <QHash>
#include <QObject>

namespace pelorin {

class CellGridView;

// Where the accessibility events of the program's own views go: to Qt,
// which hands them on to a client when one listens. A test routes them to
// itself (Seam<AccessibilityEvents>).
class AccessibilityEvents {
 public:
  virtual ~AccessibilityEvents() = default;
  static AccessibilityEvents& standard();
  // Whether a client listens: no event is made otherwise.
  virtual bool listening() const { return QAccessible::isActive(); }
  virtual void tell(QAccessibleEvent& event) { QAccessible::updateAccessibility(&event); }
};

// Tells an event of type on object's child (-1: object itself), when a
// client listens.
void tellAccessibility(QObject* object, QAccessible::Event type, int child = -1);

// A view whose cells are painted, not widgets, as a screen reader hears it:
// a list (a table of one column) whose children are its cells. A cell's
// interface is made when first asked for and kept, by its row, until the
// cells change: each view's interface follows its cells itself (Qt's
// modelChange, which comes only while a client listens, is not needed),
// moving the kept ones with rows inserted or removed, deleting those that
// went and telling the client; all go with the view's interface. Each view
// says what its cells are through the virtual functions below, whose row is
// always within 0..cellCount()-1.
class CellListAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
 public:
  explicit CellListAccessible(QWidget* view);
  ~CellListAccessible() override;
  CellListAccessible(const CellListAccessible&) = delete;
  CellListAccessible& operator=(const CellListAccessible&) = delete;

  virtual int cellCount() const = 0;
  // Name and Description; other kinds are empty.
  virtual QString cellText(int row, QAccessible::Text kind) const = 0;
  // Where the cell lies in the view's coordinates.
  virtual QRect cellRect(int row) const = 0;
  // The cell at point (the view's coordinates); -1 for none.
  virtual int rowAt(QPoint point) const = 0;
  // -1 for none.
  virtual int currentRow() const = 0;
  virtual void setCurrentRow(int row) = 0;
  // Focusable and selectable; focused when current in the focused view,
  // selected when current; off screen when out of the view. Views add more.
  virtual QAccessible::State cellState(int row) const;
  // Each is an action name the cell's action interface offers; SetFocus
  // makes it current. doCellAction ignores names it does not offer.
  virtual QStringList cellActionNames(int row) const;
  virtual QString cellActionText(int row, const QString& name) const;
  virtual void doCellAction(int row, const QString& name);
  // What a cell holds itself (none unless a view says so).
  virtual int cellChildCount(int) const { return 0; }
  virtual QAccessibleInterface* cellChild(int, int) const { return nullptr; }

  // The interface of the cell in row (kept), null outside 0..cellCount()-1.
  QAccessibleInterface* cell(int row) const;

  void* interface_cast(QAccessible::InterfaceType type) override;
  int childCount() const override { return cellCount(); }
  QAccessibleInterface* child(int index) const override { return cell(index); }
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QAccessibleInterface* focusChild() const override;

  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int row, int column) const override { return column == 0 ? cell(row) : nullptr; }
  int selectedCellCount() const override { return static_cast<int>(selectedRows().size()); }
  QList<QAccessibleInterface*> selectedCells() const override;
  QString columnDescription(int) const override { return {}; }
  QString rowDescription(int row) const override { return cellText(row, QAccessible::Name); }
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return static_cast<int>(selectedRows().size()); }
  int columnCount() const override { return 1; }
  int rowCount() const override { return cellCount(); }
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override;
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int row) const override { return row >= 0 && row == currentRow(); }
  bool selectRow(int row) override;
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent*) override {}

 protected:
  // Rows first..last came (told to the client) or went; the kept cells move.
  void cellsInserted(int first, int last);
  void cellsRemoved(int first, int last);
  // Deletes every kept cell (and what the view keeps with them).
  virtual void forgetCells();

  // The connections to what the cells follow; they end with this.
  QObject follower_;

 private:
  mutable QHash<int, QAccessible::Id> cells_;
};

// The board's and the History window's cells: each named "Picture 7"
// (", closed" for a closed picture, ClosedRole), described by its origin
// line (OriginRole), checkable when the model lets its check state be set
// (the board's Parent box: the Toggle action), its Press action what Enter
// does (the view's activated()), and each of the view's own actions (its
// context menu) done on it, named by their text.
QAccessibleInterface* makeCellGridAccessible(CellGridView* view);

// "Family &Tree..." is said "Family Tree".
QString spokenActionName(const QAction& action);

}  // namespace pelorin
