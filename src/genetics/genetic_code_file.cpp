#include "genetics/genetic_code_file.h"

#include <QCoreApplication>
#include <sstream>

#include "genetics/embedded_code.h"
#include "genetics/gene_sequence.h"
#include "genetics/mutation.h"
#include "platform/failure.h"
#include "platform/file_access.h"
#include "platform/numbers.h"
#include "platform/random.h"

namespace pelorin {

namespace {

// Files travel between people with different number settings, so the writer
// keeps to the two common decimal separators and no group separators: the
// user's separator where it is '.' or ',' (a file reads back byte for byte
// where it was written), '.' for any other.
QChar fileDecimal() {
  const QChar user = currentNumberFormat().decimal;
  return user == u'.' || user == u',' ? user : QChar(u'.');
}

// A numeric line's number, the same under every number setting: ASCII
// digits with '.' or ',' as the decimal separator and no group separators.
// The writer never groups digits, so "1,125" and "1.125" are both 1.125.
ParsedNumber lineNumber(QStringView line) {
  ParsedNumber parsed = parseNumber(line, NumberFormat{u'.', QChar()});
  if (parsed.status == ParseStatus::NotNumeric) parsed = parseNumber(line, NumberFormat{u',', QChar()});
  return parsed;
}

// Names the record's blank last line, whatever it holds.
constexpr const char* kSeparator = QT_TRANSLATE_NOOP("pelorin::GeneticCodeFile", "separator");

// Where in a record a failure happened: "ColorRed of gene 4", "separator of
// gene 4". what is a trait's name, shown as it stands, or kSeparator, shown
// translated.
QString lineDetail(const char* what, int k) {
  const QString name = what == kSeparator ? QCoreApplication::translate("pelorin::GeneticCodeFile", kSeparator)
                                          : QString(QLatin1String(what));
  return QCoreApplication::translate("pelorin::GeneticCodeFile", "%1 of gene %2").arg(name).arg(k);
}

// What some editors put before the first line: U+FEFF in UTF-8, as the
// reader decodes bytes (Latin-1).
const QLatin1String kByteOrderMark("\xef\xbb\xbf");

}  // namespace

QString AngleLineText(double angle) { return doubleText(angle, fileDecimal()); }

QString TraitLineText(const clsGene& gene, Trait trait) {
  switch (trait) {
    case Trait::Angle: return AngleLineText(gene.Angle);
    case Trait::ColorBlue: return plainNumberText(gene.ColorBlue);
    case Trait::ColorGreen: return plainNumberText(gene.ColorGreen);
    case Trait::ColorRed: return plainNumberText(gene.ColorRed);
    case Trait::Draw: return gene.Draw != 0 ? QStringLiteral("True") : QStringLiteral("False");
    case Trait::Length: return plainNumberText(gene.Length);
    case Trait::Width: return plainNumberText(gene.Width);
  }
  return {};
}

QByteArray GeneticCodeText(clsGenSeq& code) {
  QString text;
  constexpr int kRecordChars = 64;  // ample for one gene's eight lines
  text.reserve(kGeneCount * kRecordChars);
  const auto line = [&text](const QString& value) {
    text += value;
    text += QLatin1String("\r\n");
  };
  for (std::int16_t k = 0; k < kGeneCount; ++k) {
    const clsGene& gene = *code.GetGene(k);
    ForEachTrait([&](const auto& field) { line(TraitLineText(gene, field.trait)); });
    line(QString());
  }
  return text.toLatin1();
}

QByteArray SaveGeneticCode(clsGenSeq& code, const QString& path) {
  QByteArray bytes = GeneticCodeText(code);
  WriteFileAtomically(path, bytes);
  return bytes;
}

namespace {

// Reads the file line by line, counting lines from 1 so that a failure can
// say which line, and which trait of which gene, it came from.
class RecordReader {
 public:
  explicit RecordReader(std::istream& in) : reader_(in) {}

  bool AtEndOfStream() { return reader_.AtEndOfStream(); }

  // Reads the next line, then converts it with convert (if given); a failure
  // of either is located at that line, named "<what> of gene <k>". A file
  // that cannot be read is reported as a whole, as when it cannot be opened.
  template <typename Convert>
  auto Read(const char* what, std::int16_t k, Convert convert) {
    ++line_;
    try {
      QString text = reader_.ReadLine();
      if (line_ == 1 && text.startsWith(kByteOrderMark)) text.remove(0, kByteOrderMark.size());
      return convert(text);
    } catch (Failure& failure) {
      if (failure.kind() != FailureKind::FileSystem) failure.at(line_, lineDetail(what, k));
      throw;
    }
  }
  void Skip(const char* what, std::int16_t k) {
    Read(what, k, [](const QString&) { return 0; });
  }

 private:
  TextStreamReader reader_;
  int line_ = 0;
};

}  // namespace

int ReadGeneticCode(std::istream& in, clsGenSeq& code, double rate, TraitSources* sources) {
  RecordReader reader(in);
  const auto asDouble = [](const QString& text) { return toDouble(text, lineNumber); };
  const auto asInt16 = [](const QString& text) { return toInt16(text, lineNumber); };
  const auto asBool16 = [](const QString& text) { return toBool16(text, lineNumber); };
  std::int16_t k = 0;
  for (; k < kGeneCount && !reader.AtEndOfStream(); ++k) {
    Randomize();
    clsGene& gene = *code.GetGene(k);
    // A mutated trait's line is read and dropped and the trait drawn anew, an
    // inherited one's line converted and stored.
    ForEachTrait([&](const auto& field) {
      if (Mutates(rate)) {
        reader.Skip(field.name, k);
        (gene.*field.generate)();
        if (sources != nullptr) sources->setMutated(k, field.trait);
      } else {
        if constexpr (std::is_same_v<decltype(gene.*field.value), double&>) {
          gene.*field.value = reader.Read(field.name, k, asDouble);
        } else {
          gene.*field.value = reader.Read(field.name, k, field.trait == Trait::Draw ? +asBool16 : +asInt16);
        }
        if (sources != nullptr) sources->setRead(k, field.trait);
      }
    });
    reader.Skip(kSeparator, k);
  }
  return k;
}

void ReadWholeGeneticCode(const QString& text, const QString& source, clsGenSeq& code, double rate,
                          TraitSources* sources) {
  // Latin-1, as the reader decodes a file: what Copy puts there reads back.
  // A byte-order mark decoded as such goes first.
  const QByteArray bytes = (text.startsWith(QChar(0xfeff)) ? QStringView(text).mid(1) : QStringView(text)).toLatin1();
  std::istringstream in(std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  try {
    const int records = ReadGeneticCode(in, code, rate, sources);
    if (records < kGeneCount) {
      throw Failure(FailureKind::InputPastEndOfFile).at(records * 8 + 1, lineDetail(TraitName(Trait::Angle), records));
    }
  } catch (Failure& failure) {
    failure.within(source);
    throw;
  }
}

void clsGenSeq::Load(const QString& tvName, double rate, TraitSources* sources) {
  if (!FileExists(tvName)) return;
  read(tvName, rate, sources);
}

void clsGenSeq::LoadExisting(const QString& tvName, double rate, TraitSources* sources) { read(tvName, rate, sources); }

void clsGenSeq::read(const QString& tvName, double rate, TraitSources* sources) {
  // A Pelorin PNG or SVG gives its code's bytes, read as the file's would be;
  // a failure names the picture file and the line within the code.
  const std::optional<QByteArray> embedded = EmbeddedGeneticCode(tvName);
  std::ifstream file;
  std::istringstream code;
  if (embedded) code.str(std::string(embedded->constData(), static_cast<std::size_t>(embedded->size())));
  else file = OpenForReading(tvName);
  try {
    ReadGeneticCode(embedded ? static_cast<std::istream&>(code) : file, *this, rate, sources);
  } catch (Failure& failure) {
    failure.withPath(tvName);
    throw;
  }
}

}  // namespace pelorin
