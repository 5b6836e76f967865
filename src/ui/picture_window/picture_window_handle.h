#pragma once

#include <QPoint>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>

#include "app_state/mod_object.h"
#include "picture/picture_window.h"

namespace pelorin {

class frmObject;

// The picture's handle on its window, a frmObject: once the window is
// closed it reads as closed and is never brought back.
class PictureWindowHandle final : public PictureWindow {
 public:
  // position: where the window's frame goes before it shows, if given and
  // its title bar can be grabbed there (titleBarReachable).
  // made: told of the window as soon as it exists.
  explicit PictureWindowHandle(std::optional<QPoint> position = std::nullopt, std::function<void(frmObject*)> made = {})
      : position_(position), made_(std::move(made)) {}

  void Load() override;
  void SetVisible(bool visible) override;
  void SetTag(const QString& tag) override;
  void SetCaption(const QString& caption) override;
  void SetNameText(const QString& name) override;
  PictureSurface& PicDraw() override;
  void Refresh() override;
  bool IsOpen() const override;

  // The window while it exists, else null.
  frmObject* window() const;

 private:
  QPointer<frmObject> form_;
  std::optional<QPoint> position_;
  std::function<void(frmObject*)> made_;
};

// Makes the window of a new picture: a frmObject, reached by the picture
// through the PictureWindow it returns. Serves as a PictureWindowFactory.
std::unique_ptr<PictureWindow> makePictureWindow();
// The same with the window placed at position (its frame's top-left corner,
// as frmObject::pos() reads it) before it shows, when one is given and is on
// a current screen; elsewhere it goes where a new picture's window would.
PictureWindowFactory makePictureWindowAt(std::optional<QPoint> position);
// The same as makePictureWindow, telling made of each window it makes: a
// caller that gives up a picture that failed closes the window it left.
PictureWindowFactory makePictureWindowTelling(std::function<void(frmObject*)> made);

// The window of registered picture number while it is open (shown and not
// closed); else null.
frmObject* openWindowOf(PictureNumber number);

}  // namespace pelorin
