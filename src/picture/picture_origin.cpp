#include "picture/picture_origin.h"

#include <QCoreApplication>
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
  if (parents.size() > kParentsListed)
    return QCoreApplication::translate("pelorin::PictureOrigin", "%1 parents").arg(parents.size());
  QStringList numbers;
  for (PictureNumber number : parents) numbers << QString::number(number);
  const QString last = numbers.takeLast();
  return numbers.isEmpty() ? last
                           : numbers.join(QStringLiteral(", ")) +
                                 QCoreApplication::translate("pelorin::PictureOrigin", " and ") + last;
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

QString OriginLine(const clsObject& picture) { return OriginLine(picture.ID, picture.Origin); }

QString OriginLine(PictureNumber number, const PictureOrigin& origin) {
  QString line = QCoreApplication::translate("pelorin::PictureOrigin", "Picture %1: ").arg(number);
  const QString atRate =
      QCoreApplication::translate("pelorin::PictureOrigin", " at mutation rate %1").arg(origin.rateText);
  switch (origin.how) {
    case PictureOrigin::How::NotMade: return line + QCoreApplication::translate("pelorin::PictureOrigin", "not made");
    case PictureOrigin::How::Random:
      // Below 1 the rate played no part: there were no parents.
      return line + QCoreApplication::translate("pelorin::PictureOrigin", "random") +
             (origin.rate >= 1.0 ? atRate : QString());
    case PictureOrigin::How::Bred:
      line += QCoreApplication::translate("pelorin::PictureOrigin", "bred from ") + parentList(origin.parents) + atRate;
      break;
    case PictureOrigin::How::Read:
      line +=
          QCoreApplication::translate("pelorin::PictureOrigin", "read from ") + QFileInfo(origin.fileName).fileName();
      if (origin.savedFrom) {
        line += QCoreApplication::translate("pelorin::PictureOrigin", ", saved from %1,")
                    .arg(RecordedPictureText(*origin.savedFrom));
      }
      line += atRate;
      break;
    case PictureOrigin::How::Pasted:
      line += QCoreApplication::translate("pelorin::PictureOrigin", "pasted from the clipboard") + atRate;
      break;
    case PictureOrigin::How::Copied:
      line += origin.copiedFrom ? QCoreApplication::translate("pelorin::PictureOrigin", "from %1")
                                      .arg(RecordedPictureText(*origin.copiedFrom))
                                : QCoreApplication::translate("pelorin::PictureOrigin", "from a recorded picture");
      break;
  }
  const int mutated = origin.sources.mutatedCount();
  if (mutated > 0)
    line += QCoreApplication::translate("pelorin::PictureOrigin", "; %1 of %2 traits mutated")
                .arg(mutated)
                .arg(TraitSources::kCount);
  return line;
}

QString RecordedPictureText(const RecordedPictureName& picture) {
  const QString text = QCoreApplication::translate("pelorin::PictureOrigin", "picture %1").arg(picture.number);
  if (picture.thisRun) return text;
  return QCoreApplication::translate("pelorin::PictureOrigin", "%1 of the run of %2")
      .arg(text, RunDateText(picture.runStart));
}

QString RunDateText(const QDateTime& runStart, RunDateDetail detail) {
  // Month names as the rest of the origin line's words: untranslated, English.
  const QString format =
      detail == RunDateDetail::Seconds ? QStringLiteral("d MMM yyyy HH:mm:ss") : QStringLiteral("d MMM yyyy HH:mm");
  return QLocale::c().toString(runStart.toLocalTime(), format);
}

}  // namespace pelorin
