#include "ui/common/accessibility.h"

#include <QAccessibleWidget>

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
};

QAccessibleInterface* createInterface(const QString& className, QObject* object) {
  if (className == QLatin1String(PictureView::staticMetaObject.className())) {
    return new PictureViewAccessible(static_cast<PictureView*>(object));
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
