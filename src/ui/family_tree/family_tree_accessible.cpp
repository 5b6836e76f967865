#include "ui/family_tree/family_tree_accessible.h"

#include <QPointer>
#include <algorithm>
#include <map>
#include <numeric>
#include <vector>

#include "platform/numbers.h"
#include "ui/common/accessible_cells.h"
#include "ui/family_tree/family_tree_view.h"

namespace pelorin {

namespace {

using family_tree::Family;

class FamilyTreeAccessible;

// A cell's link to one of its parents or children.
class FamilyLink final : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  FamilyLink(FamilyTreeView* view, int row, int index) : view_(view), row_(row), index_(index) {}

  bool isValid() const override;
  QObject* object() const override { return nullptr; }
  QAccessibleInterface* parent() const override;
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QString text(QAccessible::Text kind) const override;
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override;
  QAccessible::Role role() const override { return QAccessible::Link; }
  QAccessible::State state() const override {
    QAccessible::State state;
    state.focusable = true;
    state.invalid = !isValid();
    return state;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
  }

  QStringList actionNames() const override { return {QAccessibleActionInterface::pressAction()}; }
  void doAction(const QString& name) override;
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  FamilyTreeAccessible* tree() const;
  // The row of the picture it leads to; -1 once gone.
  int target() const;

  QPointer<FamilyTreeView> view_;
  int row_;
  int index_;
};

class FamilyTreeAccessible final : public CellListAccessible {
 public:
  explicit FamilyTreeAccessible(FamilyTreeView* view) : CellListAccessible(view) {
    // The kept cells and links were of the scene before.
    QObject::connect(view, &FamilyTreeView::sceneChanged, &follower_, [this, view] {
      forgetCells();
      tellAccessibility(view, QAccessible::ObjectReorder);
    });
  }
  ~FamilyTreeAccessible() override { FamilyTreeAccessible::forgetCells(); }
  FamilyTreeAccessible(const FamilyTreeAccessible&) = delete;
  FamilyTreeAccessible& operator=(const FamilyTreeAccessible&) = delete;

  int cellCount() const override { return static_cast<int>(follow().size()); }

  QString cellText(int row, QAccessible::Text kind) const override {
    const std::size_t cell = follow()[static_cast<std::size_t>(row)];
    const FamilyTreeScene& scene = *view()->scene();
    switch (kind) {
      case QAccessible::Name: {
        QString name = FamilyTreeView::tr("Picture %1").arg(plainNumberText(scene.family.records[cell].number));
        if (!scene.drawing.runs[cell].isEmpty())
          name = FamilyTreeView::tr("%1, run of %2").arg(name, scene.drawing.runs[cell]);
        if (!scene.family.records[cell].open) name = FamilyTreeView::tr("%1, closed").arg(name);
        return name;
      }
      case QAccessible::Description: return scene.cellOrigins[cell];
      default: return {};
    }
  }

  QRect cellRect(int row) const override {
    return view()
        ->cellRectInView(follow()[static_cast<std::size_t>(row)])
        .toAlignedRect()
        .translated(view()->viewport()->pos());
  }
  int rowAt(QPoint point) const override { return rowOf(view()->cellAt(view()->viewport()->mapFrom(view(), point))); }
  int currentRow() const override { return rowOf(view()->currentCell()); }
  void setCurrentRow(int row) override {
    if (row >= 0 && row < cellCount()) view()->setCurrentCell(follow()[static_cast<std::size_t>(row)]);
  }

  QStringList cellActionNames(int row) const override {
    return CellListAccessible::cellActionNames(row) << QAccessibleActionInterface::pressAction();
  }
  QString cellActionText(int row, const QString& name) const override {
    return name == QAccessibleActionInterface::pressAction() ? FamilyTreeView::tr("Open")
                                                             : CellListAccessible::cellActionText(row, name);
  }
  void doCellAction(int row, const QString& name) override {
    if (name != QAccessibleActionInterface::pressAction()) return CellListAccessible::doCellAction(row, name);
    setCurrentRow(row);
    view()->activateCell(follow()[static_cast<std::size_t>(row)]);
  }

  int cellChildCount(int row) const override {
    return static_cast<int>(kin_[follow()[static_cast<std::size_t>(row)]].size());
  }
  QAccessibleInterface* cellChild(int row, int index) const override {
    if (index < 0 || index >= cellChildCount(row)) return nullptr;
    const auto key = std::pair(row, index);
    if (const auto kept = links_.find(key); kept != links_.end()) return QAccessible::accessibleInterface(kept->second);
    auto* link = new FamilyLink(view(), row, index);
    links_.emplace(key, QAccessible::registerAccessibleInterface(link));
    return link;
  }

  // A cell's relative: the row of its cell, and whether it is a parent.
  struct Kin {
    int row;
    bool parent;
  };
  Kin kin(int row, int index) const {
    const auto& [cell, parent] = kin_[follow()[static_cast<std::size_t>(row)]][static_cast<std::size_t>(index)];
    return Kin{rowOf(cell), parent};
  }
  FamilyTreeView* view() const { return static_cast<FamilyTreeView*>(widget()); }

 protected:
  void forgetCells() override {
    for (const auto& [key, id] : links_) QAccessible::deleteAccessibleInterface(id);
    links_.clear();
    CellListAccessible::forgetCells();
    seen_ = nullptr;
    order_.clear();
    rows_.clear();
    kin_.clear();
  }

 private:
  // The cells of the scene shown, in reading order, made again for each
  // scene (whose interfaces were forgotten when it came).
  const std::vector<std::size_t>& follow() const {
    const FamilyTreeScene* scene = view()->scene();
    if (scene == seen_ || scene == nullptr) return order_;
    seen_ = scene;
    const auto& cells = scene->layout.cells;
    order_.resize(cells.size());
    std::iota(order_.begin(), order_.end(), std::size_t{0});
    std::sort(order_.begin(), order_.end(), [&cells](std::size_t a, std::size_t b) {
      return std::pair(cells[a].layer, cells[a].rect.x()) < std::pair(cells[b].layer, cells[b].rect.x());
    });
    rows_.resize(cells.size());
    for (std::size_t row = 0; row < order_.size(); ++row) rows_[order_[row]] = static_cast<int>(row);
    kin_.resize(cells.size());
    for (const family_tree::TreeLine& line : scene->family.graph.lines) {
      const std::size_t parent = scene->family.indexOf(line.parent);
      const std::size_t child = scene->family.indexOf(line.child);
      kin_[child].emplace_back(parent, true);
      kin_[parent].emplace_back(child, false);
    }
    // Parents first, each group in reading order.
    for (auto& relatives : kin_) {
      std::sort(relatives.begin(), relatives.end(), [this](const auto& a, const auto& b) {
        return std::pair(!a.second, rows_[a.first]) < std::pair(!b.second, rows_[b.first]);
      });
    }
    return order_;
  }
  int rowOf(std::size_t cell) const {
    follow();
    return cell < rows_.size() ? rows_[cell] : -1;
  }

  mutable const FamilyTreeScene* seen_ = nullptr;
  mutable std::vector<std::size_t> order_;                              // row -> cell
  mutable std::vector<int> rows_;                                       // cell -> row
  mutable std::vector<std::vector<std::pair<std::size_t, bool>>> kin_;  // cell -> (cell, is a parent)
  mutable std::map<std::pair<int, int>, QAccessible::Id> links_;
};

FamilyTreeAccessible* FamilyLink::tree() const {
  return view_ ? static_cast<FamilyTreeAccessible*>(QAccessible::queryAccessibleInterface(view_.data())) : nullptr;
}

bool FamilyLink::isValid() const {
  return tree() != nullptr && row_ < tree()->cellCount() && index_ < tree()->cellChildCount(row_);
}

int FamilyLink::target() const { return isValid() ? tree()->kin(row_, index_).row : -1; }

QAccessibleInterface* FamilyLink::parent() const { return tree() != nullptr ? tree()->cell(row_) : nullptr; }

QString FamilyLink::text(QAccessible::Text kind) const {
  const int row = target();
  if (row < 0) return {};
  const QString relative = tree()->cellText(row, kind);
  if (kind != QAccessible::Name) return relative;
  return tree()->kin(row_, index_).parent ? FamilyTreeView::tr("Parent: %1").arg(relative)
                                          : FamilyTreeView::tr("Child: %1").arg(relative);
}

QRect FamilyLink::rect() const {
  const int row = target();
  if (row < 0) return {};
  const QRect cell = tree()->cellRect(row);
  return QRect(view_->mapToGlobal(cell.topLeft()), cell.size());
}

void FamilyLink::doAction(const QString& name) {
  const int row = target();
  if (row < 0 || name != QAccessibleActionInterface::pressAction()) return;
  tree()->setCurrentRow(row);
}

}  // namespace

QAccessibleInterface* makeFamilyTreeAccessible(FamilyTreeView* view) { return new FamilyTreeAccessible(view); }

}  // namespace pelorin
