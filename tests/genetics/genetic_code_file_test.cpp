#include "genetics/genetic_code_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <optional>
#include <random>
#include <sstream>
#include <sys/stat.h>

#include "genetics/gene_sequence.h"
#include "platform/failure.h"
#include "platform/numbers.h"
#include "support/scripted_random.h"
#include "ui/main_window_boxes.h"
#include "ui/mod_genes.h"

namespace pelorin {
namespace {

// One record: seven trait lines and the separator, CR LF each.
std::string record(std::string angle, std::string blue, std::string green, std::string red, std::string draw,
                   std::string length, std::string width, std::string separator = "") {
  std::string text;
  for (const auto* line : {&angle, &blue, &green, &red, &draw, &length, &width, &separator}) text += *line + "\r\n";
  return text;
}

std::string records(int n) {
  std::string text;
  for (int k = 0; k < n; ++k) text += record("1.5", "3", "2", "1", "True", std::to_string(k), "7");
  return text;
}

class GeneticCodeFile : public ::testing::Test {
 protected:
  void TearDown() override {
    modGenes::MutationRate = 0.0;
    setMainWindowBoxes(nullptr);
  }

  // Reads text at rate, returning the failure kind if any.
  std::optional<FailureKind> read(const std::string& text, double rate = 0.0) {
    modGenes::MutationRate = rate;
    std::istringstream in(text);
    try {
      ReadGeneticCode(in, code);
    } catch (const Failure& failure) {
      return failure.kind();
    }
    return std::nullopt;
  }

  clsGenSeq code;
};

TEST_F(GeneticCodeFile, WriterBytes) {
  code.SetGAngle(0, 4.71238898038469);
  code.SetGColorBlue(0, 255);
  code.SetGColorGreen(0, 7);
  code.SetGColorRed(0, -3);
  code.SetGColorDraw(0, kTrue16);
  code.SetGColorLength(0, 999);
  code.SetGColorWidth(0, 16);
  code.SetGAngle(1, 1.0 / 3.0);
  code.SetGAngle(2, 1e-5);
  const QByteArray text = GeneticCodeText(code);
  QByteArray expected = "4.71238898038469\r\n255\r\n7\r\n-3\r\nTrue\r\n999\r\n16\r\n\r\n"
                        "0.333333333333333\r\n0\r\n0\r\n0\r\nFalse\r\n0\r\n0\r\n\r\n"
                        "1E-05\r\n0\r\n0\r\n0\r\nFalse\r\n0\r\n0\r\n\r\n";
  for (int k = 3; k < 64; ++k) expected += "0\r\n0\r\n0\r\n0\r\nFalse\r\n0\r\n0\r\n\r\n";
  EXPECT_EQ(text, expected);
  EXPECT_EQ(text.count("\r\n"), 512);
}

TEST_F(GeneticCodeFile, SaveThenLoadAtRateZeroGivesTheSameCode) {
  for (std::int16_t k = 0; k < 64; ++k) code.GetGene(k)->Random();
  code.SetGAngle(5, -123456.789012345678);
  code.SetGColorRed(6, -32768);
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("code.txt"));
  SaveGeneticCode(code, path);
  SaveGeneticCode(code, path);  // overwritten, not appended
  EXPECT_EQ(QFileInfo(path).size(), GeneticCodeText(code).size());

  clsGenSeq loaded;
  loaded.Load(path);
  for (std::int16_t k = 0; k < 64; ++k) {
    EXPECT_EQ(doubleText(loaded.GetGAngle(k)), doubleText(code.GetGAngle(k))) << k;
    EXPECT_NEAR(loaded.GetGAngle(k), code.GetGAngle(k), 1e-14 * std::abs(code.GetGAngle(k))) << k;
    EXPECT_EQ(loaded.GetGColorBlue(k), code.GetGColorBlue(k));
    EXPECT_EQ(loaded.GetGColorGreen(k), code.GetGColorGreen(k));
    EXPECT_EQ(loaded.GetGColorRed(k), code.GetGColorRed(k));
    EXPECT_EQ(loaded.GetGDraw(k), code.GetGDraw(k));
    EXPECT_EQ(loaded.GetGLength(k), code.GetGLength(k));
    EXPECT_EQ(loaded.GetGWidth(k), code.GetGWidth(k));
  }
}

TEST_F(GeneticCodeFile, EmptyFileSetsNothing) {
  EXPECT_EQ(read(""), std::nullopt);
  for (int k = 0; k < 64; ++k) EXPECT_FALSE(code.HasGene(k));
}

TEST_F(GeneticCodeFile, ShortFileSetsItsGenesOnly) {
  EXPECT_EQ(read(records(3)), std::nullopt);
  EXPECT_EQ(code.GetGLength(2), 2);
  EXPECT_EQ(code.GetGWidth(2), 7);
  EXPECT_EQ(code.GetGDraw(2), kTrue16);
  EXPECT_FALSE(code.HasGene(3));
}

TEST_F(GeneticCodeFile, LinesAfterTheLastRecordAreNotRead) {
  EXPECT_EQ(read(records(64) + "garbage\r\n"), std::nullopt);
  EXPECT_EQ(code.GetGLength(63), 63);
}

TEST_F(GeneticCodeFile, MissingLastSeparatorFailsAfterAllGenes) {
  std::string text = records(64);
  text.resize(text.size() - 2);
  EXPECT_EQ(read(text), FailureKind::InputPastEndOfFile);
  EXPECT_EQ(code.GetGLength(63), 63);
  EXPECT_EQ(code.GetGWidth(63), 7);
}

TEST_F(GeneticCodeFile, LfAloneAndTextInSeparatorAccepted) {
  EXPECT_EQ(read("0.25\n1\n2\n3\nFalse\n4\n5\nanything at all\n"), std::nullopt);
  EXPECT_EQ(code.GetGAngle(0), 0.25);
  EXPECT_EQ(code.GetGColorBlue(0), 1);
  EXPECT_EQ(code.GetGWidth(0), 5);
}

TEST_F(GeneticCodeFile, FailureKeepsWhatWasStored) {
  EXPECT_EQ(read(records(1) + record("2", "9", "8", "x", "True", "1", "1")), FailureKind::TypeMismatch);
  EXPECT_EQ(code.GetGAngle(1), 2.0);
  EXPECT_EQ(code.GetGColorBlue(1), 9);
  EXPECT_EQ(code.GetGColorGreen(1), 8);
  EXPECT_EQ(code.GetGColorRed(1), 0);  // a new gene's value
}

// A record whose Length line (or another line) holds the given text.
struct LineCase {
  const char* name;
  std::string text;  // the whole record
  std::optional<FailureKind> failure;
  std::int16_t length = 0;  // when it succeeds
  Bool16 draw = kFalse16;
};

class RecordLine : public GeneticCodeFile, public ::testing::WithParamInterface<LineCase> {};

TEST_P(RecordLine, ConvertsOrFails) {
  const auto& c = GetParam();
  EXPECT_EQ(read(c.text), c.failure);
  if (!c.failure) {
    EXPECT_EQ(code.GetGLength(0), c.length);
    EXPECT_EQ(code.GetGDraw(0), c.draw);
  }
}

LineCase lengthCase(const char* name, std::string length, std::optional<FailureKind> failure, std::int16_t value = 0) {
  return {name, record("0", "0", "0", "0", "False", std::move(length), "1"), failure, value};
}

LineCase drawCase(const char* name, std::string draw, std::optional<FailureKind> failure, Bool16 value = 0) {
  return {name, record("0", "0", "0", "0", std::move(draw), "0", "1"), failure, 0, value};
}

INSTANTIATE_TEST_SUITE_P(
    Lines, RecordLine,
    ::testing::Values(lengthCase("HalfDown", "2.5", std::nullopt, 2), lengthCase("HalfUp", "3.5", std::nullopt, 4),
                      lengthCase("NegativeHalf", "-2.5", std::nullopt, -2),
                      lengthCase("Lowest", "-32768", std::nullopt, -32768),
                      lengthCase("TooLarge", "32768", FailureKind::Overflow),
                      lengthCase("Letters", "abc", FailureKind::TypeMismatch),
                      lengthCase("Empty", "", FailureKind::TypeMismatch),
                      lengthCase("TooLong", std::string(5000, '1'), FailureKind::TypeMismatch),
                      drawCase("SmallTrue", "true", std::nullopt, kTrue16),
                      drawCase("Zero", "0", std::nullopt, kFalse16),
                      drawCase("Number", "7", std::nullopt, kTrue16),
                      drawCase("OtherWord", "yes", FailureKind::TypeMismatch),
                      LineCase{"AngleEmpty", record("", "0", "0", "0", "False", "0", "1"), FailureKind::TypeMismatch},
                      LineCase{"AngleHuge", record("1E999", "0", "0", "0", "False", "0", "1"), FailureKind::Overflow},
                      LineCase{"EndsInsideRecord", "0\r\n0\r\n0\r\n", FailureKind::InputPastEndOfFile}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GeneticCodeFile, AtRateOneEveryTraitMutatesButLinesAreStillNeeded) {
  testing::ScriptedRandom script({}, 0.5f);
  EXPECT_EQ(read("0\r\n0\r\n0\r\n", 1.0), FailureKind::InputPastEndOfFile);
  // Reseed, then Angle, ColorBlue, ColorGreen mutate; the ColorRed line is missing.
  EXPECT_EQ(script.trace(), "R" "DRD" "DRD" "DRD" "D");
}

TEST_F(GeneticCodeFile, MutationDrawsInRecordOrder) {
  // Per trait: the test's draw, then for a mutated trait its generator's draw.
  testing::ScriptedRandom script({
      0.9f,         // Angle inherited
      0.1f, 0.5f,   // ColorBlue mutates -> 128
      0.9f, 0.9f,   // ColorGreen, ColorRed inherited
      0.2f, 0.75f,  // Draw mutates -> set
      0.9f,         // Length inherited
      0.3f, 0.25f,  // Width mutates -> 5
      0.6f, 0.6f, 0.6f, 0.6f, 0.6f, 0.6f, 0.6f,  // gene 1: all inherited
  });
  const std::string text = record("1.25", "1", "2", "3", "False", "4", "99") +
                           record("2.5", "5", "6", "7", "True", "8", "9");
  EXPECT_EQ(read(text, 0.5), std::nullopt);
  EXPECT_EQ(script.trace(), "R" "D" "DRD" "D" "D" "DRD" "D" "DRD" "R" "DDDDDDD");
  EXPECT_EQ(code.GetGAngle(0), 1.25);
  EXPECT_EQ(code.GetGColorBlue(0), 128);
  EXPECT_EQ(code.GetGColorGreen(0), 2);
  EXPECT_EQ(code.GetGColorRed(0), 3);
  EXPECT_EQ(code.GetGDraw(0), kTrue16);
  EXPECT_EQ(code.GetGLength(0), 4);
  EXPECT_EQ(code.GetGWidth(0), 5);
  // Gene 1 takes its own lines whatever mutated before.
  EXPECT_EQ(code.GetGAngle(1), 2.5);
  EXPECT_EQ(code.GetGColorRed(1), 7);
  EXPECT_EQ(code.GetGWidth(1), 9);
}

class FakeBoxes : public MainWindowBoxes {
 public:
  explicit FakeBoxes(QString rate) : rate_(std::move(rate)) {}
  QString mutationRateText() const override { return rate_; }
  QString nameText() const override { return {}; }

 private:
  QString rate_;
};

TEST_F(GeneticCodeFile, LoadTakesTheRateFromTheBoxAndNamesTheFileOnFailure) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("bad.txt"));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(QByteArray::fromStdString(records(1) + "oops\r\n"));
  file.close();

  FakeBoxes boxes(QStringLiteral(" 0"));
  setMainWindowBoxes(&boxes);
  modGenes::MutationRate = 1.0;  // replaced by the box's 0: nothing mutates
  try {
    code.Load(path);
    FAIL() << "no failure";
  } catch (const Failure& failure) {
    EXPECT_EQ(failure.kind(), FailureKind::TypeMismatch);
    EXPECT_EQ(failure.path(), path);
  }
  EXPECT_EQ(modGenes::MutationRate, 0.0);
  EXPECT_EQ(code.GetGLength(0), 0);
  EXPECT_EQ(code.GetGWidth(0), 7);
}

TEST_F(GeneticCodeFile, LoadOfWhatIsNotAFileLeavesTheCodeUntouched) {
  QTemporaryDir dir;
  const QString fifo = dir.filePath(QStringLiteral("fifo"));
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  for (const QString& name : {fifo, dir.path(), dir.filePath(QStringLiteral("missing")), QString()}) {
    code.Load(name);  // a FIFO would block an open
    for (int k = 0; k < 64; ++k) EXPECT_FALSE(code.HasGene(k)) << name.toStdString();
  }
}

// A damaged file: the reader's failure names the line and what it holds.
struct BadFile {
  const char* name;
  std::string text;
  FailureKind kind;
  int line;
  const char* detail;
};

void PrintTo(const BadFile& file, std::ostream* out) { *out << file.name; }

std::string withLine(std::string text, int line, const std::string& replacement) {
  std::size_t start = 0;
  for (int n = 1; n < line; ++n) start = text.find("\r\n", start) + 2;
  return text.replace(start, text.find("\r\n", start) - start, replacement);
}

class DamagedFile : public GeneticCodeFile, public ::testing::WithParamInterface<BadFile> {};

TEST_P(DamagedFile, FailureNamesLineAndTrait) {
  const auto& bad = GetParam();
  modGenes::MutationRate = 0.0;
  std::istringstream in(bad.text);
  try {
    ReadGeneticCode(in, code);
    FAIL() << "no failure";
  } catch (const Failure& failure) {
    EXPECT_EQ(failure.kind(), bad.kind);
    EXPECT_EQ(failure.line(), bad.line);
    EXPECT_EQ(failure.detail(), QString::fromLatin1(bad.detail));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedFile,
    ::testing::Values(BadFile{"AngleOfGene0", withLine(records(64), 1, "east"), FailureKind::TypeMismatch, 1,
                              "Angle of gene 0"},
                      BadFile{"ColorRedOfGene4", withLine(records(64), 36, "red"), FailureKind::TypeMismatch, 36,
                              "ColorRed of gene 4"},
                      BadFile{"WidthOfGene63", withLine(records(64), 511, "40000"), FailureKind::Overflow, 511,
                              "Width of gene 63"},
                      BadFile{"DrawOfGene2", withLine(records(3), 21, "maybe"), FailureKind::TypeMismatch, 21,
                              "Draw of gene 2"},
                      BadFile{"EndInsideRecord", records(2) + "1\r\n2\r\n3\r\n", FailureKind::InputPastEndOfFile,
                              20, "ColorRed of gene 2"},
                      BadFile{"EndBeforeLastSeparator", records(64).substr(0, records(64).size() - 2),
                              FailureKind::InputPastEndOfFile, 512, "separator of gene 63"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GeneticCodeFile, LoadMessageNamesFileLineAndTrait) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("pic.txt"));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(QByteArray::fromStdString(withLine(records(64), 36, "red")));
  file.close();
  FakeBoxes boxes(QStringLiteral("0"));
  setMainWindowBoxes(&boxes);
  try {
    code.Load(path);
    FAIL() << "no failure";
  } catch (const Failure& failure) {
    EXPECT_EQ(failure.message(), QStringLiteral("Type mismatch in line 36 of \"%1\": ColorRed of gene 4").arg(path));
  }
}

// Random, damaged and truncated files end in success or a Failure, nothing
// else.
TEST_F(GeneticCodeFile, DamagedFilesNeverEndOtherwise) {
  std::mt19937 random(20240611);
  const std::vector<std::string> lines = {"0",     "1.5",  "-2.5",      "32767", "32768", "True",   "false", "",
                                          "abc",   "1E5",  "1,000",     " 7 ",   "-0",    "1E-400", "1E400", "\t",
                                          "True ", "0x10", "\xe9\xff", "--1",   ".5",    "5.",     "e5",    "1e"};
  std::uniform_int_distribution<std::size_t> pickLine(0, lines.size() - 1);
  std::uniform_int_distribution<int> lineCount(0, 600);
  const double rates[] = {0.0, 0.3, 1.0};
  int failures = 0;
  for (int round = 0; round < 3000; ++round) {
    std::string text = round % 2 ? records(64) : std::string();
    const int extra = lineCount(random);
    for (int i = 0; i < extra; ++i) {
      text += lines[pickLine(random)];
      text += random() % 7 ? "\r\n" : (random() % 2 ? "\n" : "\r");
    }
    if (!text.empty() && random() % 2) text.resize(random() % text.size());
    clsGenSeq fresh;
    modGenes::MutationRate = rates[round % 3];
    std::istringstream in(text);
    try {
      ReadGeneticCode(in, fresh);
    } catch (const Failure&) {
      ++failures;
    }
  }
  EXPECT_GT(failures, 0);
  EXPECT_LT(failures, 3000);
}

}  // namespace
}  // namespace pelorin
