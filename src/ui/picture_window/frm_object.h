#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>
#include <optional>

#include "app_state/mod_object.h"
#include "ui/picture_window/picture_view.h"

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMouseEvent;
class QPushButton;
class QTimer;

namespace pelorin {

class clsObject;

// The window of one picture. Closing it (Done or the close box) destroys it;
// the picture stays registered. Its Parent box shows the picture's own
// (PictureRegistry) and changes it.
//
// Copy (Ctrl+C), Export Image (Ctrl+E), Genetic Code (Ctrl+G) and Family
// Tree (Ctrl+T, told to PictureWindowEvents) act on the
// picture from anywhere in the window and from picDraw's context menu. Only
// while the name box has selected text does Ctrl+C stay the box's own,
// copying that text. picDraw's tooltip tells where the picture came from.
// Pressing on the picture and moving drags it out as Copy offers it, and as
// a file (DragPicture); the controls keep their own mouse handling.
class frmObject : public QWidget {
  Q_OBJECT

 public:
  explicit frmObject(QWidget* parent = nullptr);
  ~frmObject() override;

  // The picture's number as plain digits: the window's link to its picture.
  QString tag() const { return tag_; }
  // Also names the picture "Picture <tag>" for screen readers.
  void setTag(const QString& tag);
  // The number the tag names.
  PictureNumber number() const { return number_; }

  // The controls the picture and the tests reach; the window owns them.
  QLineEdit* txtName() const { return txtName_; }
  QPushButton* btnSave() const { return btnSave_; }
  PictureView* picDraw() const { return picDraw_; }
  QPushButton* btnDone() const { return btnDone_; }
  QCheckBox* cbxParent() const { return cbxParent_; }
  QAction* actCopy() const { return actCopy_; }
  QAction* actExportImage() const { return actExportImage_; }
  QAction* actGeneticCode() const { return actGeneticCode_; }
  QAction* actFamilyTree() const { return actFamilyTree_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

 private slots:
  void btnSave_Click();
  void btnDone_Click();
  // Puts the picture (picDraw's image, and as image/png with its code) and
  // its genetic code file text on the clipboard together (PictureMimeData).
  void actCopy_Triggered();
  // Asks for a file, then writes the picture as PNG at 1x, 2x or 4x or as
  // SVG, framed as the window shows it or around its whole path, as the
  // chosen name filter says.
  void actExportImage_Triggered();
  // Shows the picture's genetic code window.
  void actGeneticCode_Triggered();

 private:
  // The window's picture, through the tag and the registry; null when the
  // picture could not be created.
  std::shared_ptr<clsObject> findPicture() const;
  // Tells the user that nothing was done because the picture does not exist:
  // message is a whole sentence with %1 for the picture's number.
  void sayNotCreated(const QString& message);
  // Pressing the left button on the picture and moving it past the
  // system's drag distance drags the picture out (DragPicture). event is
  // picDraw's; true when it was taken.
  bool dragPicture(QMouseEvent* event);
  // Tells PictureWindowEvents where the window came to rest, if it moved
  // since it last told.
  void tellMoved();

  std::optional<QPoint> pressedAt_;  // in picDraw, while a press may become a drag
  QString tag_;
  PictureNumber number_ = 0;
  QLineEdit* txtName_ = nullptr;
  QPushButton* btnSave_ = nullptr;
  PictureView* picDraw_ = nullptr;
  QPushButton* btnDone_ = nullptr;
  QCheckBox* cbxParent_ = nullptr;
  QLabel* lblName_ = nullptr;
  QAction* actCopy_ = nullptr;
  QAction* actExportImage_ = nullptr;
  QAction* actGeneticCode_ = nullptr;
  QAction* actFamilyTree_ = nullptr;
  // Restarted by each move: the window has stopped moving when it runs out.
  QTimer* moveSettled_ = nullptr;
};

}  // namespace pelorin
