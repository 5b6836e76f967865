#include "ui/picture_window/picture_window_handle.h"

#include <QLineEdit>

#include "picture/picture_object.h"
#include "picture/picture_registry.h"
#include "ui/common/front_window.h"
#include "ui/picture_window/frm_object.h"

namespace pelorin {

void PictureWindowHandle::Load() {
  form_ = new frmObject;
  // Elsewhere the window goes where a new picture's would.
  if (position_ && titleBarReachable(*position_, form_->frameGeometry().width())) form_->move(*position_);
  if (made_) made_(form_);
}

void PictureWindowHandle::SetVisible(bool visible) { form_->setVisible(visible); }
void PictureWindowHandle::SetTag(const QString& tag) { form_->setTag(tag); }
void PictureWindowHandle::SetCaption(const QString& caption) { form_->setWindowTitle(caption); }
void PictureWindowHandle::SetNameText(const QString& name) { form_->txtName()->setText(name); }
PictureSurface& PictureWindowHandle::PicDraw() { return form_->picDraw()->surface(); }

void PictureWindowHandle::Refresh() {
  if (form_) form_->picDraw()->update();
}

frmObject* PictureWindowHandle::window() const { return form_.data(); }

bool PictureWindowHandle::IsOpen() const { return form_ && form_->isVisible(); }

std::unique_ptr<PictureWindow> makePictureWindow() { return std::make_unique<PictureWindowHandle>(); }

PictureWindowFactory makePictureWindowAt(std::optional<QPoint> position) {
  return [position]() -> std::unique_ptr<PictureWindow> { return std::make_unique<PictureWindowHandle>(position); };
}

PictureWindowFactory makePictureWindowTelling(std::function<void(frmObject*)> made) {
  return [made = std::move(made)]() -> std::unique_ptr<PictureWindow> {
    return std::make_unique<PictureWindowHandle>(std::nullopt, made);
  };
}

frmObject* openWindowOf(PictureNumber number) {
  const std::shared_ptr<clsObject> picture = modObject::Registry().picture(number);
  const auto* handle = picture ? dynamic_cast<const PictureWindowHandle*>(picture->Display.get()) : nullptr;
  return handle != nullptr && handle->IsOpen() ? handle->window() : nullptr;
}

}  // namespace pelorin
