#include "ui/common/accessibility.h"

#include <QAccessibleWidget>
#include <QAction>

#include "ui/common/accessible_cells.h"
#include "ui/common/cell_grid_view.h"
#include "ui/family_tree/family_tree_accessible.h"
#include "ui/family_tree/family_tree_view.h"
#include "ui/picture_window/frm_object.h"

namespace pelorin {

namespace {

class PictureViewAccessible final : public QAccessibleWidget {
 public:
  explicit PictureViewAccessible(PictureView* view) : QAccessibleWidget(view, QAccessible::Graphic) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Description) return static_cast<const PictureView*>(widget())->drawingDescription();
    return QAccessibleWidget::text(kind);
  }

  // The picture's context menu, each item an action of its own: a screen
  // reader, or any client without a pointer, reaches it without the menu.
  QStringList actionNames() const override {
    QStringList names = QAccessibleWidget::actionNames();
    for (const QAction* action : widget()->actions())
      if (action->isEnabled() && !action->isSeparator()) names << spokenActionName(*action);
    return names;
  }
  QString localizedActionName(const QString& name) const override {
    const QAction* action = actionNamed(name);
    return action ? spokenActionName(*action) : QAccessibleWidget::localizedActionName(name);
  }
  void doAction(const QString& name) override {
    if (QAction* action = actionNamed(name)) return action->trigger();
    QAccessibleWidget::doAction(name);
  }

 private:
  QAction* actionNamed(const QString& name) const {
    for (QAction* action : widget()->actions())
      if (action->isEnabled() && spokenActionName(*action) == name) return action;
    return nullptr;
  }
};

QAccessibleInterface* createInterface(const QString& className, QObject* object) {
  if (className == QLatin1String(PictureView::staticMetaObject.className())) {
    return new PictureViewAccessible(static_cast<PictureView*>(object));
  }
  if (className == QLatin1String(CellGridView::staticMetaObject.className())) {
    return makeCellGridAccessible(static_cast<CellGridView*>(object));
  }
  if (className == QLatin1String(FamilyTreeView::staticMetaObject.className())) {
    return makeFamilyTreeAccessible(static_cast<FamilyTreeView*>(object));
  }
  if (className == QLatin1String(frmObject::staticMetaObject.className())) {
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
  }
  return nullptr;
}

}  // namespace

void installAccessibility() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  QAccessible::installFactory(createInterface);
}

}  // namespace pelorin
