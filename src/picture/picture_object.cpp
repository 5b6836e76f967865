#include "picture/picture_object.h"

#include "genetics/genetic_code_file.h"
#include "picture/picture_surface.h"
#include "picture/rendering.h"
#include "platform/failure.h"
#include "platform/file_access.h"
#include "platform/numbers.h"
#include "ui/main_window_boxes.h"
#include "ui/mod_errors.h"
#include "ui/mod_genes.h"
#include "ui/mod_object.h"

namespace pelorin {

namespace {
PictureWindowFactory& factory() {
  static PictureWindowFactory current;
  return current;
}

// Records the rate just taken from the rate box, with its text as the box
// holds it; the rate's own text when the box holds no number (the rate then
// kept its value).
void recordRate(PictureOrigin& origin) {
  origin.rate = modGenes::MutationRate;
  origin.rateText = modErrors::CheckMutationRate() ? mainWindowBoxes()->mutationRateText().trimmed()
                                                   : doubleText(modGenes::MutationRate);
}
}  // namespace

PictureWindowFactory setPictureWindowFactory(PictureWindowFactory next) {
  return std::exchange(factory(), std::move(next));
}

std::unique_ptr<PictureWindow> createPictureWindow() { return factory()(); }

void clsObject::Init() {
  const MainWindowBoxes* boxes = mainWindowBoxes();
  Name = boxes != nullptr ? boxes->nameText() : QString();
  openWindow();
  try {
    Display_Draw();
  } catch (Failure& failure) {
    if (Origin.how == PictureOrigin::How::Read) failure.withPath(Origin.fileName);
    throw;
  }
}

void clsObject::InitFromText(const QString& text, const QString& source) {
  // The failure Init would give for the numbers used up, before anything is read.
  try {
    checkedAdd16(modObject::ObjectCount, 1);
  } catch (const Failure&) {
    ID = modObject::ObjectCount;
    throw;
  }
  modGenes::RefreshMutationRate();
  PictureOrigin origin;
  origin.how = PictureOrigin::How::Pasted;
  recordRate(origin);
  clsGenSeq code;
  ReadWholeGeneticCode(text, source, code, &origin.sources);
  Name.clear();
  openWindow();
  GenCode = std::move(code);
  Origin = std::move(origin);
  try {
    Display_Draw();
  } catch (Failure& failure) {
    failure.within(source);
    throw;
  }
}

void clsObject::openWindow() {
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
  if (Origin.how == PictureOrigin::How::Pasted) return;
  Origin = PictureOrigin();
  if (FileExists(Name)) {
    GenCode.LoadExisting(Name, &Origin.sources);
    Origin.how = PictureOrigin::How::Read;
    Origin.fileName = Name;
  } else {
    const int parents = GenCode.Make(&Origin.sources);
    Origin.how = parents > 0 ? PictureOrigin::How::Bred : PictureOrigin::How::Random;
    for (int p = 0; p < parents; ++p)
      Origin.parents.push_back(modObject::ParentList().at(static_cast<std::size_t>(p))->ID);
  }
  recordRate(Origin);
}

int clsObject::ParentBoxValue() const { return Display ? Display->ParentValue() : 0; }

}  // namespace pelorin
