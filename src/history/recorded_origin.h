#pragma once

#include <functional>

#include "history/history_store.h"
#include "picture/picture_origin.h"

namespace pelorin::history {

// A recorded picture as an origin names it; thisRun: it is of this run or
// of a run this one continues (the numbers are the same).
inline RecordedPictureName NameOf(const PictureRef& ref, bool thisRun) {
  return RecordedPictureName{ref.number, ref.runStart, thisRun};
}

// The origin as the record holds it, naming the picture it was read from
// (Read) or copied from (Copied), as the picture itself names it.
// inThisRun: true for this run and the runs it continues.
inline PictureOrigin OriginOf(const RecordedPicture& record, const std::function<bool(RunId)>& inThisRun) {
  PictureOrigin origin = record.origin;
  if (record.savedFrom) {
    const RecordedPictureName name = NameOf(*record.savedFrom, inThisRun(record.savedFrom->run));
    if (origin.how == PictureOrigin::How::Read) origin.savedFrom = name;
    if (origin.how == PictureOrigin::How::Copied) origin.copiedFrom = name;
  }
  return origin;
}

}  // namespace pelorin::history
