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

// The texts of the origin line, translated as one context.
struct OriginText {
  Q_DECLARE_TR_FUNCTIONS(pelorin::PictureOrigin)
};

// "2", "2 and 5", "2, 5 and 9"; "12 parents" beyond kParentsListed.
QString parentList(const std::vector<std::int16_t>& parents) {
  if (parents.size() > kParentsListed) return OriginText::tr("%n parents", nullptr, static_cast<int>(parents.size()));
  QStringList numbers;
  for (PictureNumber number : parents) numbers << QString::number(number);
  const QString last = numbers.takeLast();
  return numbers.isEmpty() ? last : OriginText::tr("%1 and %2").arg(numbers.join(QStringLiteral(", ")), last);
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
  const QString picture = QString::number(number);
  const QString& rate = origin.rateText;
  QString line;
  switch (origin.how) {
    case PictureOrigin::How::NotMade: return OriginText::tr("Picture %1: not made").arg(picture);
    case PictureOrigin::How::Random:
      // Below 1 the rate played no part: there were no parents.
      return origin.rate >= 1.0 ? OriginText::tr("Picture %1: random at mutation rate %2").arg(picture, rate)
                                : OriginText::tr("Picture %1: random").arg(picture);
    case PictureOrigin::How::Bred:
      line =
          OriginText::tr("Picture %1: bred from %2 at mutation rate %3").arg(picture, parentList(origin.parents), rate);
      break;
    case PictureOrigin::How::Read: {
      const QString file = QFileInfo(origin.fileName).fileName();
      line = origin.savedFrom ? OriginText::tr("Picture %1: read from %2, saved from %3, at mutation rate %4")
                                    .arg(picture, file, RecordedPictureText(*origin.savedFrom), rate)
                              : OriginText::tr("Picture %1: read from %2 at mutation rate %3").arg(picture, file, rate);
      break;
    }
    case PictureOrigin::How::Pasted:
      line = OriginText::tr("Picture %1: pasted from the clipboard at mutation rate %2").arg(picture, rate);
      break;
    case PictureOrigin::How::Copied:
      line = origin.copiedFrom
                 ? OriginText::tr("Picture %1: from %2").arg(picture, RecordedPictureText(*origin.copiedFrom))
                 : OriginText::tr("Picture %1: from a recorded picture").arg(picture);
      break;
  }
  const int mutated = origin.sources.mutatedCount();
  if (mutated > 0) {
    line = OriginText::tr("%1; %2 of %3 traits mutated")
               .arg(line, QString::number(mutated), QString::number(TraitSources::kCount));
  }
  return line;
}

QString RecordedPictureText(const RecordedPictureName& picture) {
  if (picture.thisRun) return OriginText::tr("picture %1").arg(picture.number);
  return OriginText::tr("picture %1 of the run of %2")
      .arg(QString::number(picture.number), RunDateText(picture.runStart));
}

QString RunDateText(const QDateTime& runStart, RunDateDetail detail) {
  // The format is the language's (a translation picks its order and may
  // leave the month's name out); the month's name itself is English, as
  // the program's own texts are.
  const QString format = detail == RunDateDetail::Seconds
                             ? QCoreApplication::translate("pelorin::RunDate", "d MMM yyyy HH:mm:ss", "date format")
                             : QCoreApplication::translate("pelorin::RunDate", "d MMM yyyy HH:mm", "date format");
  return QLocale::c().toString(runStart.toLocalTime(), format);
}

}  // namespace pelorin
