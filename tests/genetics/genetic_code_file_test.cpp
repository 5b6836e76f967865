#include "genetics/genetic_code_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <zlib.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <sstream>
#include <tuple>

#include "app_state/mod_errors.h"
#include "app_state/mod_genes.h"
#include "genetics/embedded_code.h"
#include "genetics/gene_sequence.h"
#include "platform/failure.h"
#include "platform/file_access.h"
#include "platform/numbers.h"
#include "support/failure_of.h"
#include "support/fixed_random.h"
#include "support/scripted_random.h"

namespace pelorin {
namespace {

using testing::ScriptedRandom;

// One record: seven trait lines and the separator, CR LF each.
std::string record(std::string angle, std::string blue, std::string green, std::string red, std::string draw,
                   std::string length, std::string width, std::string separator = "") {
  std::string text;
  for (const auto* line : {&angle, &blue, &green, &red, &draw, &length, &width, &separator}) text += *line + "\r\n";
  return text;
}

// n records; gene k's Length is k.
std::string records(int n) {
  std::string text;
  for (int k = 0; k < n; ++k) text += record("1.5", "3", "2", "1", "True", std::to_string(k), "7");
  return text;
}

std::string withLine(std::string text, int line, const std::string& replacement) {
  std::size_t start = 0;
  for (int n = 1; n < line; ++n) start = text.find("\r\n", start) + 2;
  return text.replace(start, text.find("\r\n", start) - start, replacement);
}

class GeneticCodeFile : public ::testing::Test {
 protected:
  ScopedNumberFormat english_{{u'.', u','}};  // unless a test says otherwise

  // Reads text at rate into code; a failure is kept in failure.
  std::optional<FailureKind> read(const std::string& text, double rate = 0.0, TraitSources* sources = nullptr) {
    std::istringstream in(text);
    try {
      ReadGeneticCode(in, code, rate, sources);
    } catch (const Failure& caught) {
      failure = caught;
      return caught.kind();
    }
    return std::nullopt;
  }

  // How many genes exist, checking that they come first.
  int genes() const {
    int n = 0;
    while (n < clsGenSeq::kGeneCount && code.HasGene(n)) ++n;
    for (int k = n; k < clsGenSeq::kGeneCount; ++k) EXPECT_FALSE(code.HasGene(k)) << "gene " << k;
    return n;
  }

  clsGenSeq code;
  std::optional<Failure> failure;
  QTemporaryDir dir;
};

TEST_F(GeneticCodeFile, WriterBytes) {
  ASSERT_EQ(read(record("4.71238898038469", "255", "7", "-3", "True", "999", "16")), std::nullopt);
  code.SetGAngle(1, 1.0 / 3.0);
  code.SetGAngle(2, 1e-5);
  QByteArray expected =
      "4.71238898038469\r\n255\r\n7\r\n-3\r\nTrue\r\n999\r\n16\r\n\r\n"
      "0.333333333333333\r\n0\r\n0\r\n0\r\nFalse\r\n0\r\n0\r\n\r\n"
      "1E-05\r\n0\r\n0\r\n0\r\nFalse\r\n0\r\n0\r\n\r\n";
  for (int k = 3; k < 64; ++k) expected += "0\r\n0\r\n0\r\n0\r\nFalse\r\n0\r\n0\r\n\r\n";
  EXPECT_EQ(GeneticCodeText(code), expected);
}

TEST_F(GeneticCodeFile, SaveThenLoadAtRateZeroGivesTheSameCode) {
  for (std::int16_t k = 0; k < 64; ++k) code.GetGene(k)->Random();
  code.SetGAngle(5, -123456.789012345678);
  code.SetGColorRed(6, -32768);
  const QString path = dir.filePath(QStringLiteral("code.txt"));
  SaveGeneticCode(code, path);
  SaveGeneticCode(code, path);  // overwritten, not appended
  EXPECT_EQ(QFileInfo(path).size(), GeneticCodeText(code).size());
  clsGenSeq loaded;
  loaded.Load(path, 0.0);
  EXPECT_EQ(GeneticCodeText(loaded), GeneticCodeText(code));  // every trait, angles to 15 digits
  EXPECT_NEAR(loaded.GetGAngle(5), -123456.789012345678, 1e-9);
}

constexpr NumberFormat kEnglish{u'.', u','}, kGerman{u',', u'.'}, kPersian{u'\u066b', u'\u066c'};

TEST_F(GeneticCodeFile, FilesReadTheSameUnderEveryNumberFormat) {
  // Every form the writer has: 15 digits, few, whole, exponents, negative, negative zero.
  constexpr double kAngles[] = {1.5707963267949, 0.5, 1e-5, 1234.5678, 100.0, 1e20, -2.25, 0.000123, -0.0};
  for (std::int16_t k = 0; k < 64; ++k) {
    code.GetGene(k)->Random();
    code.SetGAngle(k, kAngles[k % std::size(kAngles)] * (k < 32 ? 1.0 : 1.0 / 3.0));
  }
  // Each with the decimal separator the writer writes under it.
  const std::tuple<const char*, NumberFormat, char> settings[] = {
      {"en_US", kEnglish, '.'}, {"de_DE", kGerman, ','}, {"fr_FR", {u',', u'\u202f'}, ','}, {"fa_IR", kPersian, '.'}};
  for (const auto& [name, format, decimal] : settings) {
    const QString path = dir.filePath(QString::fromLatin1(name));
    ScopedNumberFormat writing(format);
    SaveGeneticCode(code, path);
    const QByteArray bytes = GeneticCodeText(code);
    EXPECT_TRUE(bytes.startsWith(QByteArray("1") + decimal + "5707963267949\r\n")) << name;
    EXPECT_EQ(bytes.split('\n').at(8 * 8), QByteArray("0\r")) << "negative zero under " << name;
    for (const auto& [readingName, readingFormat, unused] : settings) {
      ScopedNumberFormat reading(readingFormat);
      clsGenSeq loaded;
      loaded.Load(path, 0.0);
      EXPECT_EQ(GeneticCodeText(loaded), GeneticCodeText(code)) << name << " read under " << readingName;
    }
  }
}

// A line is a number in the user's format, else in the other common form
// (no group separators), else a type mismatch: never a different number.
TEST_F(GeneticCodeFile, NumbersReadInTheUserFormatOrTheOtherCommonForm) {
  for (const auto& [format, text] : {std::pair{kGerman, "1.000.5"}, {kEnglish, "1.5,5"}, {kPersian, "1,000.5"}}) {
    ScopedNumberFormat scoped(format);
    EXPECT_EQ(read(withLine(records(1), 1, text)), FailureKind::TypeMismatch) << text;
  }
  ScopedNumberFormat german(kGerman);
  EXPECT_EQ(read(withLine(records(1), 6, "2.5")), std::nullopt);
  EXPECT_EQ(code.GetGLength(0), 2);
}

// One line of text in each setting: what it gives as a genetic code line
// (the same everywhere: '.' or ',' decimals, no groups) and typed into the
// rate box (the setting's own form; '.' too where the setting has neither).
TEST_F(GeneticCodeFile, NumberFormsInFilesAndAsTyped) {
  constexpr int kAngle = 1, kLength = 6;
  const std::optional<double> none;
  const std::tuple<const char*, const char*, int, std::optional<double>, std::optional<double>> forms[] = {
      {"en_US", "1.125", kAngle, 1.125, 1.125},        {"en_US", "1,125", kAngle, 1.125, 1125.0},
      {"en_US", "1,234.5", kAngle, none, 1234.5},      {"en_US", "0,5", kAngle, 0.5, none},
      {"en_US", "1,000", kLength, 1.0, 1000.0},        {"de_DE", "1.125", kAngle, 1.125, 1125.0},
      {"de_DE", "1,125", kAngle, 1.125, 1.125},        {"de_DE", "1.234,5", kAngle, none, 1234.5},
      {"fr_FR", "1.125", kAngle, 1.125, none},         {"fr_FR", "1,125", kAngle, 1.125, 1.125},
      {"fr_FR", "1\u202f234,5", kAngle, none, 1234.5}, {"fa_IR", "1.125", kAngle, 1.125, 1.125},
      {"fa_IR", "1,125", kAngle, 1.125, none},         {"fa_IR", "\u06f0\u066b\u06f5", kAngle, none, 0.5},
      {"fa_IR", "\u06f0.\u06f5", kAngle, none, 0.5},   {"fa_IR", "-0.5", kLength, 0.0, -0.5}};
  for (const auto& [locale, form, line, asLine, asTyped] : forms) {
    const QString text = QString::fromUtf8(form);
    SCOPED_TRACE(std::string(locale) + " " + form);
    const ScopedNumberFormat setting(numberFormatOf(QLocale(QString::fromLatin1(locale))));
    code = clsGenSeq();
    modGenes::MutationRate = 0.0;
    const QString pasted = QString::fromLatin1(withLine(records(64), line, "@")).replace(u'@', text);
    const auto read = [&] { ReadWholeGeneticCode(pasted, QStringLiteral("the clipboard text"), code, 0.0); };
    if (asLine) {
      read();
      EXPECT_EQ(line == kAngle ? code.GetGAngle(0) : code.GetGLength(0), *asLine);
    } else {
      EXPECT_EQ(testing::failureOf(read), FailureKind::TypeMismatch);
    }
    modGenes::MutationRate = 7.0;
    modGenes::RefreshMutationRate(text);
    EXPECT_EQ(modErrors::CheckMutationRate(text), asTyped.has_value());
    EXPECT_EQ(modGenes::MutationRate, asTyped.value_or(7.0));
  }
}

// A byte-order mark before the first line is skipped, in a file or a text.
TEST_F(GeneticCodeFile, ByteOrderMarkIsSkipped) {
  const std::string text = withLine(records(64), 1, "0.25");
  ASSERT_EQ(read("\xef\xbb\xbf" + text), std::nullopt);
  const QByteArray plain = GeneticCodeText(code);
  EXPECT_EQ(code.GetGAngle(0), 0.25);
  code = clsGenSeq();
  ReadWholeGeneticCode(QChar(0xfeff) + QString::fromLatin1(text), QStringLiteral("the clipboard text"), code, 0.0);
  EXPECT_EQ(GeneticCodeText(code), plain);
}

struct ReadCase {
  const char* name;
  std::string text;
  int started, whole;  // genes created, genes holding all of their record
  std::optional<FailureKind> kind = std::nullopt;
  int line = 0;
  const char* detail = "";
};

void PrintTo(const ReadCase& c, std::ostream* out) { *out << c.name; }

class Reading : public GeneticCodeFile, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(Reading, SetsGenesUntilItFailsNamingLineAndTrait) {
  const auto& c = GetParam();
  EXPECT_EQ(read(c.text), c.kind);
  EXPECT_EQ(genes(), c.started);
  for (std::int16_t k = 0; k < c.whole; ++k) ASSERT_TRUE(code.GetGLength(k) == k && code.GetGWidth(k) == 7) << k;
  if (c.kind) {
    EXPECT_EQ(failure->line(), c.line);
    EXPECT_EQ(failure->detail(), QString::fromLatin1(c.detail));
  }
}

constexpr auto kPastEnd = FailureKind::InputPastEndOfFile;
constexpr auto kMismatch = FailureKind::TypeMismatch;
constexpr auto kOverflow = FailureKind::Overflow;

INSTANTIATE_TEST_SUITE_P(
    Files, Reading,
    ::testing::Values(
        ReadCase{"Empty", "", 0, 0}, ReadCase{"ThreeRecords", records(3), 3, 3},
        ReadCase{"LinesAfterTheLastRecordUnread", records(64) + "garbage\r\n", 64, 64},
        ReadCase{"LfAloneAndTextInSeparator", "0.25\n1\n2\n3\nFalse\n0\n7\nanything at all\n", 1, 1},
        ReadCase{"EndBeforeLastSeparator", records(64).substr(0, records(64).size() - 2), 64, 64, kPastEnd, 512,
                 "separator of gene 63"},
        ReadCase{"EndInsideRecord", records(2) + "1\r\n2\r\n3\r\n", 3, 2, kPastEnd, 20, "ColorRed of gene 2"},
        ReadCase{"AngleOfGene0", withLine(records(64), 1, "east"), 1, 0, kMismatch, 1, "Angle of gene 0"},
        ReadCase{"ColorRedOfGene4", withLine(records(64), 36, "red"), 5, 4, kMismatch, 36, "ColorRed of gene 4"},
        ReadCase{"WidthOfGene63", withLine(records(64), 511, "40000"), 64, 63, kOverflow, 511, "Width of gene 63"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GeneticCodeFile, TraitLinesConvertOrFail) {
  // Reads one record whose line (1 to 7) holds text.
  const auto readWith = [this](int line, const std::string& text) {
    code = clsGenSeq();
    return read(withLine(records(1), line, text));
  };
  for (auto [text, length] :
       std::initializer_list<std::pair<const char*, int>>{{"2.5", 2}, {"3.5", 4}, {"-2.5", -2}, {"-32768", -32768}}) {
    EXPECT_EQ(readWith(6, text), std::nullopt) << text;
    EXPECT_EQ(code.GetGLength(0), length) << text;
  }
  for (auto [text, draw] :
       std::initializer_list<std::pair<const char*, Bool16>>{{"true", kTrue16}, {"0", kFalse16}, {"7", kTrue16}}) {
    EXPECT_EQ(readWith(5, text), std::nullopt) << text;
    EXPECT_EQ(code.GetGDraw(0), draw) << text;
  }
  const std::tuple<int, std::string, FailureKind> failing[] = {
      {6, "32768", kOverflow}, {6, "abc", kMismatch},  {6, "", kMismatch}, {6, std::string(5000, '1'), kMismatch},
      {5, "yes", kMismatch},   {1, "1E999", kOverflow}};
  for (const auto& [line, text, kind] : failing) EXPECT_EQ(readWith(line, text), kind) << text.substr(0, 10);
}

TEST_F(GeneticCodeFile, AtRateOneEveryTraitMutatesButLinesAreStillNeeded) {
  ScriptedRandom script({}, 0.5f);
  EXPECT_EQ(read("0\r\n0\r\n0\r\n", 1.0), FailureKind::InputPastEndOfFile);
  EXPECT_EQ(script.trace(),
            "RDRDDRDDRDD");  // per record R; per trait D, DRD where it mutates  // the ColorRed line is missing
}

TEST_F(GeneticCodeFile, MutationDrawsInRecordOrder) {
  // Per trait: the test's draw, then for a mutated trait its generator's draw.
  ScriptedRandom script({0.9f, 0.1f, 0.5f, 0.9f, 0.9f, 0.2f, 0.75f, 0.9f, 0.3f, 0.25f,  // Blue, Draw, Width mutate
                         0.6f, 0.6f, 0.6f, 0.6f, 0.6f, 0.6f, 0.6f});                    // gene 1 inherits all
  const std::string text =
      record("1.25", "1", "2", "3", "False", "4", "99") + record("2.5", "5", "6", "7", "True", "8", "9");
  TraitSources sources;  // recorded without a draw of its own
  EXPECT_EQ(read(text, 0.5, &sources), std::nullopt);
  EXPECT_EQ(script.trace(), "RDDRDDDDRDDDRDRDDDDDDD");  // gene 0: R D DRD D D DRD D DRD
  EXPECT_EQ(GeneticCodeText(code).left(59), QByteArray("1.25\r\n128\r\n2\r\n3\r\nTrue\r\n4\r\n5\r\n\r\n"
                                                       "2.5\r\n5\r\n6\r\n7\r\nTrue\r\n8\r\n9\r\n\r\n"));
  EXPECT_EQ(sources.counts(), (std::vector<int>{62 * 7, 3, 11}));  // unset, mutated, read
}

TEST_F(GeneticCodeFile, LoadTakesTheRateFromTheBoxAndNamesFileLineAndTrait) {
  const QString path = dir.filePath(QStringLiteral("pic.txt"));
  WriteFileAtomically(path, QByteArray::fromStdString(withLine(records(64), 36, "red")));
  modGenes::MutationRate = 1.0;  // replaced by the box's 0: nothing mutates
  modGenes::RefreshMutationRate(QStringLiteral(" 0"));
  const Failure failure = testing::caughtFailure([&] { code.Load(path, modGenes::MutationRate); });
  EXPECT_EQ(failure.path(), path);
  EXPECT_EQ(failure.message(), QStringLiteral("Type mismatch in line 36 of \"%1\": ColorRed of gene 4").arg(path));
  EXPECT_EQ(modGenes::MutationRate, 0.0);
  EXPECT_EQ(code.GetGLength(3), 3);
  EXPECT_EQ(code.GetGColorGreen(4), 2);  // what was read before the failure stays
  EXPECT_EQ(code.GetGColorRed(4), 0);
}

TEST_F(GeneticCodeFile, LoadOfWhatIsNotAFileLeavesTheCodeUntouched) {
  const QString fifo = dir.filePath(QStringLiteral("fifo"));
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  for (const QString& name : {fifo, dir.path(), dir.filePath(QStringLiteral("missing")), QString()}) {
    code.Load(name, 0.0);  // a FIFO would block an open
    EXPECT_EQ(genes(), 0) << name.toStdString();
  }
}

// A file that opens but cannot be read fails as one that cannot be opened.
TEST_F(GeneticCodeFile, UnreadableFileIsAFileFailureNamingIt) {
  EXPECT_EQ(testing::caughtFailure([&] { code.LoadExisting(QStringLiteral("/proc/self/mem"), 0.0); }).message(),
            "File access error in \"/proc/self/mem\": " + QString::fromLocal8Bit(std::strerror(EIO)));
  EXPECT_EQ(genes(), 0);
}

// Open found the file, then it went before it was opened: not a blank picture.
TEST_F(GeneticCodeFile, LoadExistingOfAFileGoneSinceIsAFileFailureNamingIt) {
  const QString gone = dir.filePath(QStringLiteral("gone.txt"));
  const Failure failure = testing::caughtFailure([&] { code.LoadExisting(gone, 0.0); });
  EXPECT_EQ((std::pair{failure.kind(), failure.path()}), (std::pair{FailureKind::FileSystem, gone}));
  EXPECT_EQ(genes(), 0);
}

// Text read from the clipboard must hold all 64 records.
TEST_F(GeneticCodeFile, WholeTextNeedsAll64Records) {
  EXPECT_EQ(testing::caughtFailure([&] {
              ReadWholeGeneticCode(QString::fromLatin1(records(3)), "the clipboard text", code, 0.0);
            }).message(),
            QStringLiteral("Input past end of file in line 25 of the clipboard text: Angle of gene 3"));
}

// Files kept under tests/data/genetic_code/, each with what reading it must
// give ("result: ..." then "genes: ..."): every fuzzer finding lands there.
const std::filesystem::path kDataDir = PELORIN_GENETIC_CODE_DATA;

std::vector<std::string> dataFiles() {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(kDataDir))
    if (entry.path().extension() == ".txt") names.push_back(entry.path().stem().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(GeneticCodeRegressionData, IsThere) { EXPECT_FALSE(dataFiles().empty()) << kDataDir; }

class GeneticCodeRegression : public GeneticCodeFile, public ::testing::WithParamInterface<std::string> {};

TEST_P(GeneticCodeRegression, ReadsAsExpected) {
  std::ifstream in(kDataDir / (GetParam() + ".txt"), std::ios::binary);
  std::ifstream expected(kDataDir / (GetParam() + ".expected"));
  std::string result, count;
  ASSERT_TRUE(in && std::getline(expected, result) && std::getline(expected, count)) << GetParam();
  const auto kind = read(std::string(std::istreambuf_iterator<char>(in), {}));
  EXPECT_EQ("result: " + (kind ? kindText(*kind).toStdString() : std::string("success")), result);
  EXPECT_EQ("genes: " + std::to_string(genes()), count);
}

INSTANTIATE_TEST_SUITE_P(Files, GeneticCodeRegression, ::testing::ValuesIn(dataFiles()),
                         [](const auto& info) { return info.param; });

// Random, damaged and truncated files end in success or a Failure, nothing else.
TEST_F(GeneticCodeFile, DamagedFilesNeverEndOtherwise) {
  std::mt19937 random(20240611);
  const std::vector<std::string> lines = {"0",     "1.5",  "-2.5",     "32767", "32768", "True",   "false", "",
                                          "abc",   "1E5",  "1,000",    " 7 ",   "-0",    "1E-400", "1E400", "\t",
                                          "True ", "0x10", "\xe9\xff", "--1",   ".5",    "5.",     "e5",    "1e"};
  int failures = 0;
  for (int round = 0; round < 3000; ++round) {
    std::string text = round % 2 ? records(64) : std::string();
    for (int i = static_cast<int>(random() % 601); i > 0; --i)
      text += lines[random() % lines.size()] + (random() % 7 ? "\r\n" : (random() % 2 ? "\n" : "\r"));
    if (!text.empty() && random() % 2) text.resize(random() % text.size());
    code = clsGenSeq();
    failures += read(text, round % 3 * 0.5).has_value();
  }
  EXPECT_GT(failures, 0);
  EXPECT_LT(failures, 3000);
}

// ---- A genetic code carried by a PNG or an SVG ----

QByteArray bigEndian(quint32 n) {
  const char bytes[] = {static_cast<char>(n >> 24), static_cast<char>(n >> 16), static_cast<char>(n >> 8),
                        static_cast<char>(n)};
  return QByteArray(bytes, 4);
}

// A chunk as PNG lays it out: length, type, data, the CRC of type and data.
QByteArray pngChunk(const QByteArray& type, const QByteArray& data, uLong spoilCrc = 0) {
  const QByteArray typed = type + data;
  const uLong crc = crc32(0L, reinterpret_cast<const Bytef*>(typed.constData()), static_cast<uInt>(typed.size()));
  return bigEndian(static_cast<quint32>(data.size())) + typed + bigEndian(static_cast<quint32>(crc ^ spoilCrc));
}

QByteArray zlibbed(const QByteArray& bytes) {
  uLongf size = compressBound(static_cast<uLong>(bytes.size()));
  QByteArray out(static_cast<qsizetype>(size), Qt::Uninitialized);
  EXPECT_EQ(compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(bytes.constData()),
                      static_cast<uLong>(bytes.size()), 9),
            Z_OK);
  return out.left(static_cast<qsizetype>(size));
}

const QByteArray kSignature("\x89PNG\r\n\x1a\n", 8), kKeyword = QByteArray(kPngCodeKeyword) + '\0';
const QByteArray kIdat = pngChunk("IDAT", zlibbed(QByteArray(3 * 453, '\xff'))), kIend = pngChunk("IEND", {});

QByteArray pngHead(quint32 width = 452, quint32 height = 420) {
  return kSignature + pngChunk("IHDR", bigEndian(width) + bigEndian(height) + QByteArray("\x08\x02\0\0\0", 5));
}
QByteArray png(const QByteArray& chunks) { return pngHead() + chunks + kIend; }
QByteArray zTXt(const QByteArray& code) { return pngChunk("zTXt", kKeyword + '\0' + zlibbed(code)); }

QByteArray svg(const QByteArray& inside, const QByteArray& doctype = "") {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + doctype + "<svg xmlns=\"http://www.w3.org/2000/svg\" " +
         "xmlns:pelorin=\"" + kSvgCodeNamespace + "\">\n<title>Picture 3</title>\n" + inside + "\n</svg>\n";
}
QByteArray svgMetadata(QByteArray code) {
  return "<metadata><pelorin:genetic-code>" + code.replace("\r", "&#13;") + "</pelorin:genetic-code></metadata>";
}

// A file of head, gap zero bytes (sparse: a hole) and tail.
struct PictureFile {
  const char* name;
  QByteArray head;
  QString said;  // the failure's message; empty: the file reads as kCode
  qint64 gap = 0;
  QByteArray tail = {};
};

// What a picture file carries is read as the genetic code file it is, with
// the same draws; a file without one, or damaged, or hostile, is answered at
// once and by name, never by decoding its pixels or reading it whole.
TEST_F(GeneticCodeFile, PictureFilesGiveTheirCodeOrANamedMessageAtOnce) {
  const QByteArray kCode = QByteArray::fromStdString(records(64));
  const QByteArray kRed = QByteArray::fromStdString(withLine(records(64), 36, "red"));
  const QString kRedSaid = QStringLiteral("Type mismatch in line 36 of \"%1\": ColorRed of gene 4");
  const QString kNone = QStringLiteral("\"%1\" holds no Pelorin genetic code.");
  const QString kDamaged = QStringLiteral("\"%1\" holds no readable Pelorin genetic code: %2.");
  const QByteArray laughs = "<!DOCTYPE svg [<!ENTITY a \"aaaaaaaaaa\">" + [] {
    QByteArray entities;  // each ten of the one before: 10^10 characters
    for (char c = 'b'; c <= 'j'; ++c)
      entities += QByteArray("<!ENTITY ") + c + " \"" + (QByteArray("&") + char(c - 1) + ';').repeated(10) + "\">";
    return entities;
  }() + "]>\n";
  constexpr qint64 kGiB = qint64(1) << 30;
  const PictureFile files[] = {
      {"ztxt.png", png(pngChunk("tEXt", QByteArray("Title") + '\0' + "Picture 3") + zTXt(kCode) + kIdat), ""},
      {"itxt.png", png(pngChunk("iTXt", kKeyword + QByteArray("\1\0en\0\0", 6) + zlibbed(kCode)) + kIdat), ""},
      {"text.png", png(kIdat + pngChunk("tEXt", kKeyword + kCode)), ""},
      {"carriage-returns.svg", "\xef\xbb\xbf \r\n" + svg(svgMetadata(kCode)), ""},
      {"100-megapixel.png", pngHead(10000, 10000) + bigEndian(300 << 20) + "IDAT", "", 300 << 20,
       QByteArray(4, 0) + zTXt(kCode) + kIend},
      {"sunset.png", png(zTXt(kRed)), kRedSaid},
      {"sunset.svg", svg(svgMetadata(kRed)), kRedSaid},
      {"holiday.png", png(pngChunk("tEXt", QByteArray("Title") + '\0' + "Holiday") + kIdat), kNone},
      {"holiday.svg", svg("<pelorin:genetic-code>" + kCode + "</pelorin:genetic-code><metadata/>"), kNone},
      {"crc.png", png(pngChunk("zTXt", kKeyword + '\0' + zlibbed(kCode), 1)),
       kDamaged.arg("%1", "its text chunk fails its CRC check")},
      {"inflate.png", png(pngChunk("zTXt", kKeyword + '\0' + zlibbed(kCode).chopped(6))),
       kDamaged.arg("%1", "its text chunk's compressed data is damaged")},
      {"zip-bomb.png", png(zTXt(QByteArray(2 << 20, '0'))),
       kDamaged.arg("%1", "its text chunk inflates to more than 1024 KiB")},
      {"huge-chunk.png", pngHead() + bigEndian(16 << 20) + "zTXt" + kKeyword,
       kDamaged.arg("%1", "its text chunk is larger than 1024 KiB"), (16 << 20) - kKeyword.size(),
       QByteArray(4, 0) + kIend},
      {"truncated.png", png(pngChunk("IDAT", QByteArray(5000, 'x')) + zTXt(kCode)).left(3000),
       kDamaged.arg("%1", "the PNG file ends inside its IDAT chunk")},
      {"1GiB.png", pngHead() + bigEndian(kGiB - 1024) + "IDAT", kNone, kGiB - 1024, QByteArray(4, 0) + kIend},
      {"broken.svg", svg("<g></h>" + svgMetadata(kCode)),
       kDamaged.arg("%1", "its XML is not well-formed in line 4: Opening and ending tag mismatch")},
      {"laughs.svg", svg(svgMetadata("&j;"), laughs),
       kDamaged.arg(
           "%1",
           "its XML is not well-formed in line 5: Entity expands to more characters than the entity expansion limit")},
      {"1GiB.svg", svg("<g>").replace("</svg>\n", ""),
       kDamaged.arg("%1", "its XML is not well-formed in line 5: Unexpected ''"), kGiB},
      {"long.svg", svg(QByteArray(1 << 20, ' ') + svgMetadata(kCode)), kDamaged.arg("%1", "none in its first 512 KiB")},
      {"deep.svg", svg(QByteArray("<g>").repeated(100000)), kDamaged.arg("%1", "its elements nest more than 256 deep")},
      {"1GiB.txt", "", "Type mismatch in line 1 of \"%1\": Angle of gene 0", kGiB},
      {"page.html", "<html><body/></html>\r\n", "Type mismatch in line 1 of \"%1\": Angle of gene 0"}};
  const QString home = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(dir.path()));  // messages name the file as given
  WriteFileAtomically(QStringLiteral("code.txt"), kCode);
  const auto drawn = [this](const QString& path) {
    testing::FixedRandom random{7};
    Seam<RandomSource>::Scope seeded(random);
    code = clsGenSeq();
    code.LoadExisting(path, 0.5);
    return GeneticCodeText(code);
  };
  for (const PictureFile& file : files) {
    SCOPED_TRACE(file.name);
    const QString name = QString::fromLatin1(file.name);
    QFile out(name);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly) && out.write(file.head) == file.head.size());
    ASSERT_TRUE(out.resize(out.size() + file.gap) && out.seek(out.size()));
    ASSERT_EQ(out.write(file.tail), file.tail.size());
    out.close();

    QElapsedTimer timer;
    timer.start();
    code = clsGenSeq();
    const std::optional<FailureKind> kind = [&]() -> std::optional<FailureKind> {
      try {
        code.LoadExisting(name, 0.0);
      } catch (const Failure& caught) {
        failure = caught;
        return caught.kind();
      }
      return std::nullopt;
    }();
    EXPECT_LT(timer.elapsed(), 50);
    EXPECT_EQ(kind ? failure->message() : QString(), file.said.isEmpty() ? QString() : file.said.arg(name));
    if (!file.said.isEmpty()) continue;
    EXPECT_EQ(GeneticCodeText(code), kCode);
    EXPECT_EQ(drawn(name), drawn(QStringLiteral("code.txt")));  // at a rate, the same draws
    QFile::remove(name);                                        // the sparse files take no room meanwhile
  }
  QDir::setCurrent(home);
}

}  // namespace
}  // namespace pelorin
