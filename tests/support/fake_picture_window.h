#pragma once

#include <memory>

#include "picture/picture_object.h"
#include "picture/picture_registry.h"
#include "picture/picture_surface.h"
#include "picture/picture_window.h"

namespace pelorin::testing {

// A window without widgets: records what the picture sets and holds a real surface.
class FakePictureWindow final : public PictureWindow {
 public:
  struct State {
    bool visible = false, closed = false;
    QString tag, caption, name;
    int refreshes = 0;
    std::unique_ptr<PictureSurface> surface;
  };

  explicit FakePictureWindow(std::shared_ptr<State> state) : s_(std::move(state)) {}
  void Load() override { s_->surface = std::make_unique<PictureSurface>(); }
  void SetVisible(bool visible) override { s_->visible = visible; }
  void SetTag(const QString& tag) override { s_->tag = tag; }
  void SetCaption(const QString& caption) override { s_->caption = caption; }
  void SetNameText(const QString& name) override { s_->name = name; }
  PictureSurface& PicDraw() override { return *s_->surface; }
  void Refresh() override { ++s_->refreshes; }
  bool IsOpen() const override { return !s_->closed; }

 private:
  std::shared_ptr<State> s_;
};

// Opens pictures as the main window does, with fake windows (their states
// kept in order) and the box texts rate and name; starts and ends with a
// clean application state.
class FakeWindows {
 public:
  FakeWindows() {
    modObject::ResetObjectState();
    clear();
  }
  ~FakeWindows() { clear(); }

  // Makes a fake window for each picture that asks.
  PictureWindowFactory factory() {
    return [this] {
      windows.push_back(std::make_shared<FakePictureWindow::State>());
      return std::make_unique<FakePictureWindow>(windows.back());
    };
  }
  // What Open hands a new picture now: the box texts and the ticked pictures.
  PictureRequest request() const { return {name, rate, TickedPictures(), std::nullopt}; }
  // Creates, initialises and registers a picture, as Open does.
  std::shared_ptr<clsObject> open() { return OpenPicture(request(), factory()); }
  // Sets the Parent box of registered picture number, as its window would.
  static void setParentBox(PictureNumber number, int value) { modObject::Registry().setParentBox(number, value); }

  QString rate = QStringLiteral(" 0"), name;  // the main window's boxes
  std::vector<std::shared_ptr<FakePictureWindow::State>> windows;

 private:
  static void clear() {
    modObject::Registry().clear();
    modObject::ParentList().clear();
  }
};

}  // namespace pelorin::testing
