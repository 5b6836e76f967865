#pragma once

#include <QLabel>
#include <QString>

namespace pelorin {

// The Qt resources of the two 48 x 48 icons.
inline const QString kPelorinIcon = QStringLiteral(":/icons/pelorin.png");
inline const QString kQuorvelIcon = QStringLiteral(":/icons/quorvel.png");

// A picture box showing one of the two icons. A click is a left press and
// release on the box: a press dragged off it is no click, and the second
// press of a double-click adds none, so a double-click is one click.
class IconBox : public QLabel {
  Q_OBJECT

 public:
  // accessibleName: what a screen reader calls the icon.
  IconBox(const QString& resource, const QString& accessibleName, QWidget* parent);

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool pressed_ = false;
};

}  // namespace pelorin
