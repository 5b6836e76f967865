#pragma once

#include <memory>

#include "picture/picture_object.h"
#include "picture/picture_surface.h"
#include "picture/picture_window.h"
#include "ui/mod_object.h"

namespace pelorin::testing {

// A window without widgets: records what the picture sets and holds a real surface.
class FakePictureWindow final : public PictureWindow {
 public:
  struct State {
    bool visible = false, closed = false;
    QString tag, caption, name;
    int parent = 0;
    std::unique_ptr<PictureSurface> surface;
  };

  explicit FakePictureWindow(std::shared_ptr<State> state) : s_(std::move(state)) {}
  void Load() override { s_->surface = std::make_unique<PictureSurface>(); }
  void SetVisible(bool visible) override { s_->visible = visible; }
  void SetTag(const QString& tag) override { s_->tag = tag; }
  void SetCaption(const QString& caption) override { s_->caption = caption; }
  void SetNameText(const QString& name) override { s_->name = name; }
  PictureSurface& PicDraw() override { return *s_->surface; }
  int ParentValue() const override { return s_->closed ? 0 : s_->parent; }

 private:
  std::shared_ptr<State> s_;
};

// Makes every picture window a fake, keeping their states in order, and
// starts and ends with a clean application state.
class FakeWindows {
 public:
  FakeWindows() {
    previous_ = setPictureWindowFactory([this] {
      windows.push_back(std::make_shared<FakePictureWindow::State>());
      return std::make_unique<FakePictureWindow>(windows.back());
    });
    modObject::ResetObjectState();
    modObject::Registry().clear();
    modObject::ParentList().clear();
  }
  ~FakeWindows() {
    setPictureWindowFactory(std::move(previous_));
    modObject::Registry().clear();
    modObject::ParentList().clear();
  }

  // Creates, initialises and registers a picture, as Open does.
  std::shared_ptr<clsObject> open() {
    auto picture = std::make_shared<clsObject>();
    picture->Init();
    modObject::Registry().add(modObject::RegistryKey(picture->ID), picture);
    return picture;
  }

  std::vector<std::shared_ptr<FakePictureWindow::State>> windows;

 private:
  PictureWindowFactory previous_;
};

}  // namespace pelorin::testing
