#include "genetics/genetic_code_file.h"

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

// A numeric line's number: in the user's format, or where it is no number
// there, in the other common form (decimal '.' or ',', whichever is not the
// user's; for a user who has neither, either), without group separators.
ParsedNumber lineNumber(QStringView line) {
  const NumberFormat user = currentNumberFormat();
  ParsedNumber parsed = parseNumber(line, user);
  for (const QChar decimal : {QChar(u'.'), QChar(u',')}) {
    if (parsed.status == ParseStatus::NotNumeric && decimal != user.decimal)
      parsed = parseNumber(line, NumberFormat{decimal, QChar()});
  }
  return parsed;
}

}  // namespace

QByteArray GeneticCodeText(clsGenSeq& code) {
  const QChar decimal = fileDecimal();
  QString text;
  text.reserve(64 * 64);
  const auto line = [&text](const QString& value) {
    text += value;
    text += QLatin1String("\r\n");
  };
  for (std::int16_t k = 0; k < clsGenSeq::kGeneCount; ++k) {
    line(doubleText(code.GetGAngle(k), decimal));
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
      return convert(reader_.ReadLine());
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

// One trait of the record: a mutated trait's line is read and dropped and the
// trait drawn anew, an inherited one's line converted and stored.
template <typename Value, typename Convert, typename Draw>
void ReadTrait(RecordReader& reader, double rate, const char* what, std::int16_t k, Value& trait, Convert convert,
               Draw draw) {
  if (Mutates(rate)) {
    reader.Skip(what, k);
    draw();
  } else {
    trait = reader.Read(what, k, convert);
  }
}

}  // namespace

void ReadGeneticCode(std::istream& in, clsGenSeq& code) {
  RecordReader reader(in);
  const double rate = modGenes::MutationRate;
  const auto asDouble = [](const QString& text) { return toDouble(text, lineNumber); };
  const auto asInt16 = [](const QString& text) { return toInt16(text, lineNumber); };
  const auto asBool16 = [](const QString& text) { return toBool16(text, lineNumber); };
  for (std::int16_t k = 0; k < clsGenSeq::kGeneCount && !reader.AtEndOfStream(); ++k) {
    Randomize();
    clsGene& gene = *code.GetGene(k);
    ReadTrait(reader, rate, "Angle", k, gene.Angle, asDouble, [&gene] { gene.RndAngle(); });
    ReadTrait(reader, rate, "ColorBlue", k, gene.ColorBlue, asInt16, [&gene] { gene.RndColorBlue(); });
    ReadTrait(reader, rate, "ColorGreen", k, gene.ColorGreen, asInt16, [&gene] { gene.RndColorGreen(); });
    ReadTrait(reader, rate, "ColorRed", k, gene.ColorRed, asInt16, [&gene] { gene.RndColorRed(); });
    ReadTrait(reader, rate, "Draw", k, gene.Draw, asBool16, [&gene] { gene.RndDraw(); });
    ReadTrait(reader, rate, "Length", k, gene.Length, asInt16, [&gene] { gene.RndLength(); });
    ReadTrait(reader, rate, "Width", k, gene.Width, asInt16, [&gene] { gene.RndWidth(); });
    reader.Skip("separator", k);  // whatever it holds
  }
}

void clsGenSeq::Load(const QString& tvName) {
  modGenes::RefreshMutationRate();
  if (!FileExists(tvName)) return;
  read(tvName);
}

void clsGenSeq::LoadExisting(const QString& tvName) {
  modGenes::RefreshMutationRate();
  read(tvName);
}

void clsGenSeq::read(const QString& tvName) {
  std::ifstream in = OpenForReading(tvName);
  try {
    ReadGeneticCode(in, *this);
  } catch (Failure& failure) {
    failure.withPath(tvName);
    throw;
  }
}

}  // namespace pelorin
