#pragma once

#include <memory>

#include "picture/picture_object.h"
#include "picture/picture_surface.h"
#include "picture/picture_window.h"
#include "ui/mod_object.h"

namespace pelorin::testing {

// A window without widgets: records what the picture sets and holds a real
// surface, so model tests can check the whole road of a picture.
class FakePictureWindow final : public PictureWindow {
 public:
  struct State {
    bool loaded = false;
    bool visible = false;
    QString tag, caption, name;
    int parent = 0;
    bool closed = false;
    std::unique_ptr<PictureSurface> surface;
  };

  explicit FakePictureWindow(std::shared_ptr<State> state) : state_(std::move(state)) {}

  void Load() override {
    state_->loaded = true;
    state_->surface = std::make_unique<PictureSurface>();
  }
  void SetVisible(bool visible) override { state_->visible = visible; }
  void SetTag(const QString& tag) override { state_->tag = tag; }
  void SetCaption(const QString& caption) override { state_->caption = caption; }
  void SetNameText(const QString& name) override { state_->name = name; }
  PictureSurface& PicDraw() override { return *state_->surface; }
  int ParentValue() const override { return state_->closed ? 0 : state_->parent; }

 private:
  std::shared_ptr<State> state_;
};

// Installs a factory of fake windows and resets the application state; keeps
// the state of every window it made, in order.
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
