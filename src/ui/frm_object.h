#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>

#include "picture/picture_window.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace pelorin {

class PictureSurface;

// picDraw: shows the retained picture; never draws the picture itself.
class PictureView : public QWidget {
  Q_OBJECT

 public:
  explicit PictureView(QWidget* parent = nullptr);
  ~PictureView() override;

  // The surface, made on first use at the screen's device pixel ratio.
  PictureSurface& surface();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::unique_ptr<PictureSurface> surface_;
};

// The window of one picture. Closing it (Done or the close box) destroys it;
// the picture stays registered.
class frmObject : public QWidget {
  Q_OBJECT

 public:
  explicit frmObject(QWidget* parent = nullptr);

  // The picture's number as plain digits: the window's link to its picture.
  QString tag() const { return tag_; }
  void setTag(const QString& tag) { tag_ = tag; }

  QLineEdit* txtName;
  QPushButton* btnSave;
  PictureView* picDraw;
  QPushButton* btnDone;
  QCheckBox* cbxParent;
  QLabel* lblName;

 private slots:
  void btnSave_Click();
  void btnDone_Click();

 private:
  QString tag_;
};

// Makes the picture windows that pictures create: installs the factory.
void installPictureWindows();

}  // namespace pelorin
