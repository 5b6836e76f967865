#include "picture/picture_object.h"

#include "picture/picture_surface.h"
#include "picture/rendering.h"
#include "platform/file_access.h"
#include "platform/numbers.h"
#include "ui/main_window_boxes.h"
#include "ui/mod_object.h"

namespace pelorin {

namespace {
PictureWindowFactory& factory() {
  static PictureWindowFactory current;
  return current;
}
}  // namespace

PictureWindowFactory setPictureWindowFactory(PictureWindowFactory next) {
  return std::exchange(factory(), std::move(next));
}

std::unique_ptr<PictureWindow> createPictureWindow() { return factory()(); }

void clsObject::Init() {
  const MainWindowBoxes* boxes = mainWindowBoxes();
  Name = boxes != nullptr ? boxes->nameText() : QString();
  ID = modObject::ObjectCount;
  modObject::ObjectCount = checkedAdd16(modObject::ObjectCount, 1);
  GenCode.Init();
  Display = createPictureWindow();
  Display->Load();
  // The surface always keeps a retained image: nothing to switch on.
  Display->SetVisible(true);
  Display->SetTag(plainNumberText(ID));
  Display->SetCaption(plainNumberText(ID));
  Display->SetNameText(Name);
  Display_Draw();
}

void clsObject::Display_Draw() {
  MakeObj();
  DrawSegments(Display->PicDraw(), GenCode, Lines);
}

void clsObject::MakeObj() {
  MakeGenes();
  ComputeSegments(GenCode, Lines);
}

void clsObject::MakeGenes() {
  if (FileExists(Name)) {
    GenCode.LoadExisting(Name);
  } else {
    GenCode.Make();
  }
}

int clsObject::ParentBoxValue() const { return Display ? Display->ParentValue() : 0; }

}  // namespace pelorin
