#include "picture/picture_origin.h"

#include <QFileInfo>
#include <QLocale>
#include <QStringList>

#include "picture/picture_object.h"

namespace pelorin {

namespace {

// Longer lists of parents are only counted, so the line stays short.
constexpr std::size_t kParentsListed = 5;

// "2", "2 and 5", "2, 5 and 9"; "12 parents" beyond kParentsListed.
QString parentList(const std::vector<std::int16_t>& parents) {
  if (parents.size() > kParentsListed) return QStringLiteral("%1 parents").arg(parents.size());
  QStringList numbers;
  for (std::int16_t number : parents) numbers << QString::number(number);
  const QString last = numbers.takeLast();
  return numbers.isEmpty() ? last : numbers.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
}

}  // namespace

std::vector<TraitShare> TraitShares(const PictureOrigin& origin) {
  std::vector<int> fromParents = origin.sources.parentCounts();
  fromParents.resize(std::max(origin.parents.size(), fromParents.size()), 0);
  std::vector<TraitShare> shares;
  for (std::size_t p = 0; p < fromParents.size(); ++p) {
    const int picture = p < origin.parents.size() ? origin.parents[p] : -1;
    shares.push_back({TraitSources::Kind::Parent, picture, fromParents[p]});
  }
  using Kind = TraitSources::Kind;
  for (Kind kind : {Kind::Mutated, Kind::Read, Kind::Unset}) {
    const int traits = origin.sources.count(kind);
    if (traits > 0) shares.push_back({kind, -1, traits});
  }
  return shares;
}

QString OriginLine(const clsObject& picture) {
  const PictureOrigin& origin = picture.Origin;
  QString line = QStringLiteral("Picture %1: ").arg(picture.ID);
  const QString atRate = QStringLiteral(" at mutation rate %1").arg(origin.rateText);
  switch (origin.how) {
    case PictureOrigin::How::NotMade: return line + QStringLiteral("not made");
    case PictureOrigin::How::Random:
      // Below 1 the rate played no part: there were no parents.
      return line + QStringLiteral("random") + (origin.rate >= 1.0 ? atRate : QString());
    case PictureOrigin::How::Bred: line += QStringLiteral("bred from ") + parentList(origin.parents) + atRate; break;
    case PictureOrigin::How::Read:
      line += QStringLiteral("read from ") + QFileInfo(origin.fileName).fileName();
      if (origin.savedFrom) line += QStringLiteral(", saved from ") + RecordedPictureText(*origin.savedFrom) + u',';
      line += atRate;
      break;
    case PictureOrigin::How::Copied:
      line += QStringLiteral("from ") +
              (origin.copiedFrom ? RecordedPictureText(*origin.copiedFrom) : QStringLiteral("a recorded picture"));
      break;
    case PictureOrigin::How::Pasted: line += QStringLiteral("pasted from the clipboard") + atRate; break;
  }
  const int mutated = origin.sources.mutatedCount();
  if (mutated > 0) line += QStringLiteral("; %1 of %2 traits mutated").arg(mutated).arg(TraitSources::kCount);
  return line;
}

QString RecordedPictureText(const RecordedPictureName& picture) {
  QString text = QStringLiteral("picture %1").arg(picture.number);
  if (picture.thisRun) return text;
  // The same words whatever the user's language: the rest of the line is English.
  return text + QStringLiteral(" of the run of ") +
         QLocale::c().toString(picture.runStart.toLocalTime(), QStringLiteral("d MMM yyyy HH:mm"));
}

}  // namespace pelorin
