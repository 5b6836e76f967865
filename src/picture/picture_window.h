#pragma once

#include <QString>
#include <functional>
#include <memory>

namespace pelorin {

class PictureSurface;

// What a picture needs of its window. The window itself is a widget in the
// user interface; the picture reaches it only through this interface.
class PictureWindow {
 public:
  virtual ~PictureWindow() = default;

  // Creates the window and its controls in their initial state, hidden.
  virtual void Load() = 0;
  virtual void SetVisible(bool visible) = 0;
  virtual void SetTag(const QString& tag) = 0;
  virtual void SetCaption(const QString& caption) = 0;
  virtual void SetNameText(const QString& name) = 0;

  // The retained picture surface. Only valid while the window is loaded.
  virtual PictureSurface& PicDraw() = 0;
  // Shows what was drawn on the surface since the window last showed it.
  virtual void Refresh() = 0;

  // False once the user closed the window; it is not brought back (a picture
  // reopened gets a new one).
  virtual bool IsOpen() const = 0;
};

// Makes the window of a new picture, not yet loaded: the user interface
// hands its own to the pictures it makes.
using PictureWindowFactory = std::function<std::unique_ptr<PictureWindow>()>;

}  // namespace pelorin
