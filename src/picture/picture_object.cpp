#include "picture/picture_object.h"

#include "app_state/mod_genes.h"
#include "app_state/mod_object.h"
#include "genetics/genetic_code_file.h"
#include "picture/picture_registry.h"
#include "picture/picture_surface.h"
#include "picture/rendering.h"
#include "platform/failure.h"
#include "platform/file_access.h"
#include "platform/numbers.h"

namespace pelorin {

namespace {

// Records the rate just taken from rateText, with the text as the box held
// it; the rate's own text when the box held no number (the rate then kept
// its value).
void recordRate(PictureOrigin& origin, const modGenes::RateText& rateText) {
  origin.rate = modGenes::MutationRate;
  origin.rateText = rateText.value ? rateText.text.trimmed() : doubleText(modGenes::MutationRate);
}

// Puts parents into the parent list under keys " 0", " 1", ...; returns
// their genetic codes in the same order.
std::vector<clsGenSeq*> gatherParents(const std::vector<std::shared_ptr<clsObject>>& parents) {
  auto& list = modObject::ParentList();
  list.clear();
  std::vector<clsGenSeq*> codes;
  std::int16_t k = 0;
  for (const auto& picture : parents) {
    list.add(modObject::RegistryKey(k), picture);
    codes.push_back(&picture->GenCode);
    k = checkedAdd16(k, 1);
  }
  return codes;
}

void registerPicture(const std::shared_ptr<clsObject>& picture) {
  modObject::Registry().add(modObject::RegistryKey(picture->ID), picture);
}

}  // namespace

void clsObject::Init(const PictureRequest& request, const PictureWindowFactory& makeWindow) {
  Name = request.name;
  openWindow(makeWindow);
  try {
    Display_Draw(request);
  } catch (Failure& failure) {
    if (Origin.how == PictureOrigin::How::Read) failure.withPath(Origin.fileName);
    throw;
  }
}

void clsObject::InitFromText(const QString& text, const QString& source, const modGenes::RateText& rateText,
                             const PictureWindowFactory& makeWindow) {
  // The failure Init would give for the numbers used up, before anything is read.
  try {
    checkedAdd16(modObject::ObjectCount, 1);
  } catch (const Failure&) {
    ID = modObject::ObjectCount;
    throw;
  }
  modGenes::RefreshMutationRate(rateText);
  PictureOrigin origin;
  origin.how = PictureOrigin::How::Pasted;
  recordRate(origin, rateText);
  clsGenSeq code;
  ReadWholeGeneticCode(text, source, code, modGenes::MutationRate, &origin.sources);
  Name.clear();
  openWindow(makeWindow);
  GenCode = std::move(code);
  Origin = std::move(origin);
  try {
    Display_Draw(PictureRequest{{}, rateText, {}, std::nullopt});
  } catch (Failure& failure) {
    failure.within(source);
    throw;
  }
}

void clsObject::openWindow(const PictureWindowFactory& makeWindow) {
  ID = modObject::ObjectCount;
  modObject::ObjectCount = checkedAdd16(modObject::ObjectCount, 1);
  GenCode.Init();  // a no-op: the sequence makes its genes when first touched
  this->makeWindow(makeWindow);
}

void clsObject::InitRecorded(PictureNumber id, clsGenSeq&& code, PictureOrigin origin, const QString& name,
                             const PictureWindowFactory& makeWindow) {
  Name = name;
  ID = id;
  GenCode = std::move(code);
  Origin = std::move(origin);
  this->makeWindow(makeWindow);
  ComputeSegments(GenCode, Lines);
  drawSegments();
}

void clsObject::Reopen(const PictureWindowFactory& makeWindow) {
  parentBox_ = 0;
  this->makeWindow(makeWindow);
  ComputeSegments(GenCode, Lines);
  drawSegments();
}

void clsObject::drawSegments() {
  // What the pass drew, up to a failure, is shown.
  struct Shown {
    PictureWindow& window;
    ~Shown() { window.Refresh(); }
  } shown{*Display};
  DrawSegments(Display->PicDraw(), GenCode, Lines);
}

void clsObject::makeWindow(const PictureWindowFactory& makeWindow) {
  Display = makeWindow();
  Display->Load();
  // The surface keeps what is drawn on it from the start (a retained image).
  Display->SetVisible(true);
  Display->SetTag(plainNumberText(ID));
  Display->SetCaption(plainNumberText(ID));
  Display->SetNameText(Name);
}

void clsObject::Display_Draw(const PictureRequest& request) {
  MakeObj(request);
  drawSegments();
}

void clsObject::MakeObj(const PictureRequest& request) {
  MakeGenes(request);
  ComputeSegments(GenCode, Lines);
}

void clsObject::MakeGenes(const PictureRequest& request) {
  if (Origin.how == PictureOrigin::How::Pasted) return;
  Origin = PictureOrigin();
  if (FileExists(Name)) {
    modGenes::RefreshMutationRate(request.rateText);
    GenCode.LoadExisting(Name, modGenes::MutationRate, &Origin.sources);
    Origin.how = PictureOrigin::How::Read;
    Origin.fileName = Name;
    Origin.savedFrom = request.savedFrom;
  } else {
    const int parents = BreedFromRequest(GenCode, request, &Origin.sources);
    Origin.how = parents > 0 ? PictureOrigin::How::Bred : PictureOrigin::How::Random;
    for (int p = 0; p < parents; ++p) Origin.parents.push_back(request.parents[static_cast<std::size_t>(p)]->ID);
  }
  recordRate(Origin, request.rateText);
}

int clsObject::ParentBoxValue() const { return Display && Display->IsOpen() ? parentBox_ : 0; }

std::shared_ptr<clsObject> OpenPicture(const PictureRequest& request, const PictureWindowFactory& makeWindow) {
  auto picture = std::make_shared<clsObject>();
  picture->Init(request, makeWindow);
  registerPicture(picture);
  return picture;
}

std::shared_ptr<clsObject> OpenPictureFromText(const QString& text, const QString& source,
                                               const modGenes::RateText& rateText,
                                               const PictureWindowFactory& makeWindow) {
  auto picture = std::make_shared<clsObject>();
  picture->InitFromText(text, source, rateText, makeWindow);
  registerPicture(picture);
  return picture;
}

std::shared_ptr<clsObject> OpenRecordedPicture(std::optional<PictureNumber> number, clsGenSeq&& code,
                                               PictureOrigin origin, const QString& name,
                                               const PictureWindowFactory& makeWindow) {
  auto picture = std::make_shared<clsObject>();
  PictureNumber id = 0;
  if (number) {
    id = *number;
  } else {
    id = modObject::ObjectCount;
    modObject::ObjectCount = checkedAdd16(modObject::ObjectCount, 1);
  }
  picture->InitRecorded(id, std::move(code), std::move(origin), name, makeWindow);
  registerPicture(picture);
  return picture;
}

int BreedFromRequest(clsGenSeq& code, const PictureRequest& request, TraitSources* sources) {
  modGenes::RefreshMutationRate(request.rateText);
  return code.Make(modGenes::MutationRate, gatherParents(request.parents), sources);
}

std::vector<std::shared_ptr<clsObject>> TickedPictures() {
  std::vector<std::shared_ptr<clsObject>> ticked;
  for (const auto& [key, picture] : modObject::Registry()) {
    if (picture->ParentBoxValue() == 1) ticked.push_back(picture);
  }
  return ticked;
}

}  // namespace pelorin
