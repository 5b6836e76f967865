#pragma once

#include <QWidget>
#include <memory>

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
  // For screen readers: how many of the picture's segments are drawn.
  QString drawingDescription() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::unique_ptr<PictureSurface> surface_;
};

}  // namespace pelorin
