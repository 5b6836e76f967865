#include "genetics/genetic_code_file.h"

#include "genetics/gene_sequence.h"
#include "genetics/mutation.h"
#include "platform/failure.h"
#include "platform/file_access.h"
#include "platform/numbers.h"
#include "platform/random.h"
#include "ui/mod_genes.h"

namespace pelorin {

QByteArray GeneticCodeText(clsGenSeq& code) {
  QString text;
  text.reserve(64 * 64);
  const auto line = [&text](const QString& value) {
    text += value;
    text += QLatin1String("\r\n");
  };
  for (std::int16_t k = 0; k < clsGenSeq::kGeneCount; ++k) {
    line(doubleText(code.GetGAngle(k)));
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

void ReadGeneticCode(std::istream& in, clsGenSeq& code) {
  TextStreamReader reader(in);
  const double rate = modGenes::MutationRate;
  for (std::int16_t k = 0; k < clsGenSeq::kGeneCount && !reader.AtEndOfStream(); ++k) {
    Randomize();
    clsGene& gene = *code.GetGene(k);
    if (Mutates(rate)) {
      reader.ReadLine();
      gene.RndAngle();
    } else {
      gene.Angle = toDouble(reader.ReadLine());
    }
    if (Mutates(rate)) {
      reader.ReadLine();
      gene.RndColorBlue();
    } else {
      gene.ColorBlue = toInt16(reader.ReadLine());
    }
    if (Mutates(rate)) {
      reader.ReadLine();
      gene.RndColorGreen();
    } else {
      gene.ColorGreen = toInt16(reader.ReadLine());
    }
    if (Mutates(rate)) {
      reader.ReadLine();
      gene.RndColorRed();
    } else {
      gene.ColorRed = toInt16(reader.ReadLine());
    }
    if (Mutates(rate)) {
      reader.ReadLine();
      gene.RndDraw();
    } else {
      gene.Draw = toBool16(reader.ReadLine());
    }
    if (Mutates(rate)) {
      reader.ReadLine();
      gene.RndLength();
    } else {
      gene.Length = toInt16(reader.ReadLine());
    }
    if (Mutates(rate)) {
      reader.ReadLine();
      gene.RndWidth();
    } else {
      gene.Width = toInt16(reader.ReadLine());
    }
    reader.ReadLine();  // the separator, whatever it holds
  }
}

void clsGenSeq::Load(const QString& tvName) {
  modGenes::RefreshMutationRate();
  if (!FileExists(tvName)) return;
  std::ifstream in = OpenForReading(tvName);
  try {
    ReadGeneticCode(in, *this);
  } catch (Failure& failure) {
    failure.withPath(tvName);
    throw;
  }
}

}  // namespace pelorin
