#include "genetics/genetic_code_file.h"

#include <sstream>

#include "genetics/gene_sequence.h"
#include "genetics/mutation.h"
#include "platform/failure.h"
#include "platform/file_access.h"
#include "platform/numbers.h"
#include "platform/random.h"
#include "ui/mod_genes.h"

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

// What some editors put before the first line: U+FEFF in UTF-8, as the
// reader decodes bytes (Latin-1).
const QLatin1String kByteOrderMark("\xef\xbb\xbf");

}  // namespace

QString AngleLineText(double angle) { return doubleText(angle, fileDecimal()); }

QByteArray GeneticCodeText(clsGenSeq& code) {
  QString text;
  text.reserve(64 * 64);
  const auto line = [&text](const QString& value) {
    text += value;
    text += QLatin1String("\r\n");
  };
  for (std::int16_t k = 0; k < clsGenSeq::kGeneCount; ++k) {
    line(AngleLineText(code.GetGAngle(k)));
    line(plainNumberText(code.GetGColorBlue(k)));
    line(plainNumberText(code.GetGColorGreen(k)));
    line(plainNumberText(code.GetGColorRed(k)));
    line(code.GetGDraw(k) != 0 ? QStringLiteral("True") : QStringLiteral("False"));
    line(plainNumberText(code.GetGLength(k)));
    line(plainNumberText(code.GetGWidth(k)));
    line(QString());
  }
  return text.toLatin1();
}

void SaveGeneticCode(clsGenSeq& code, const QString& path) { WriteFileAtomically(path, GeneticCodeText(code)); }

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
      if (failure.kind() != FailureKind::FileSystem)
        failure.at(line_, QStringLiteral("%1 of gene %2").arg(QLatin1String(what)).arg(k));
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

int ReadGeneticCode(std::istream& in, clsGenSeq& code, TraitSources* sources) {
  RecordReader reader(in);
  const double rate = modGenes::MutationRate;
  const auto asDouble = [](const QString& text) { return toDouble(text, lineNumber); };
  const auto asInt16 = [](const QString& text) { return toInt16(text, lineNumber); };
  const auto asBool16 = [](const QString& text) { return toBool16(text, lineNumber); };
  std::int16_t k = 0;
  for (; k < clsGenSeq::kGeneCount && !reader.AtEndOfStream(); ++k) {
    Randomize();
    clsGene& gene = *code.GetGene(k);
    // A mutated trait's line is read and dropped and the trait drawn anew, an
    // inherited one's line converted and stored.
    const auto trait = [&](Trait which, const char* what, auto& value, auto convert, void (clsGene::*draw)()) {
      if (Mutates(rate)) {
        reader.Skip(what, k);
        (gene.*draw)();
        if (sources != nullptr) sources->setMutated(k, which);
      } else {
        value = reader.Read(what, k, convert);
        if (sources != nullptr) sources->setRead(k, which);
      }
    };
    trait(Trait::Angle, "Angle", gene.Angle, asDouble, &clsGene::RndAngle);
    trait(Trait::ColorBlue, "ColorBlue", gene.ColorBlue, asInt16, &clsGene::RndColorBlue);
    trait(Trait::ColorGreen, "ColorGreen", gene.ColorGreen, asInt16, &clsGene::RndColorGreen);
    trait(Trait::ColorRed, "ColorRed", gene.ColorRed, asInt16, &clsGene::RndColorRed);
    trait(Trait::Draw, "Draw", gene.Draw, asBool16, &clsGene::RndDraw);
    trait(Trait::Length, "Length", gene.Length, asInt16, &clsGene::RndLength);
    trait(Trait::Width, "Width", gene.Width, asInt16, &clsGene::RndWidth);
    reader.Skip("separator", k);  // whatever it holds
  }
  return k;
}

void ReadWholeGeneticCode(const QString& text, const QString& source, clsGenSeq& code, TraitSources* sources) {
  // Latin-1, as the reader decodes a file: what Copy puts there reads back.
  // A byte-order mark decoded as such goes first.
  const QByteArray bytes = (text.startsWith(QChar(0xfeff)) ? QStringView(text).mid(1) : QStringView(text)).toLatin1();
  std::istringstream in(std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  try {
    const int records = ReadGeneticCode(in, code, sources);
    if (records < clsGenSeq::kGeneCount) {
      throw Failure(FailureKind::InputPastEndOfFile)
          .at(records * 8 + 1, QStringLiteral("Angle of gene %1").arg(records));
    }
  } catch (Failure& failure) {
    failure.within(source);
    throw;
  }
}

void clsGenSeq::Load(const QString& tvName, TraitSources* sources) {
  modGenes::RefreshMutationRate();
  if (!FileExists(tvName)) return;
  read(tvName, sources);
}

void clsGenSeq::LoadExisting(const QString& tvName, TraitSources* sources) {
  modGenes::RefreshMutationRate();
  read(tvName, sources);
}

void clsGenSeq::read(const QString& tvName, TraitSources* sources) {
  std::ifstream in = OpenForReading(tvName);
  try {
    ReadGeneticCode(in, *this, sources);
  } catch (Failure& failure) {
    failure.withPath(tvName);
    throw;
  }
}

}  // namespace pelorin
