// libFuzzer target for the genetic code reader. The input is the file's
// bytes. Whatever they are, the reader must end in success or a Failure;
// anything else (another exception, a sanitizer report, a broken check
// below) is a finding.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "genetics/gene_sequence.h"
#include "genetics/genetic_code_file.h"
#include "platform/failure.h"
#include "platform/file_access.h"
#include "platform/numbers.h"
#include "platform/random.h"
#include "support/fixed_random.h"

using namespace pelorin;

namespace {

[[noreturn]] void finding(const char* what) {
  std::fprintf(stderr, "genetic_code_fuzz: %s\n", what);
  std::abort();
}

void check(bool holds, const char* what) {
  if (!holds) finding(what);
}

// The file's lines as the reader should see them, found independently: split
// at LF, one CR before the LF dropped; text after the last LF is a line too.
std::vector<std::string> splitLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    const std::size_t next = end == std::string::npos ? bytes.size() : end + 1;
    if (end == std::string::npos) end = bytes.size();
    std::string line = bytes.substr(start, end - start);
    if (end < bytes.size() && !line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = next;
  }
  return lines;
}

struct Outcome {
  bool ok = true;
  FailureKind kind = FailureKind::Overflow;
};

Outcome read(const std::string& bytes, clsGenSeq& code, double rate) {
  std::istringstream in(bytes);
  Outcome outcome;
  try {
    ReadGeneticCode(in, code, rate);
  } catch (const Failure& failure) {
    outcome.ok = false;
    outcome.kind = failure.kind();
  }
  return outcome;
}

bool isPlainInteger(const std::string& s) {
  std::size_t i = s[0] == '-' ? 1 : 0;
  if (i >= s.size() || s.size() - i > 5) return false;
  for (; i < s.size(); ++i)
    if (s[i] < '0' || s[i] > '9') return false;
  return true;
}

bool isPlainDecimal(const std::string& s) {
  std::size_t i = s[0] == '-' ? 1 : 0;
  std::size_t digits = 0, point = 0;
  if (i >= s.size()) return false;
  for (; i < s.size(); ++i) {
    if (s[i] == '.') {
      if (++point > 1) return false;
    } else if (s[i] >= '0' && s[i] <= '9') {
      ++digits;
    } else {
      return false;
    }
  }
  return digits > 0 && digits <= 15 && s.back() != '.' && s[s[0] == '-' ? 1 : 0] != '.';
}

bool equalIgnoringCase(const std::string& s, const char* word) {
  if (s.size() != std::strlen(word)) return false;
  for (std::size_t i = 0; i < s.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(s[i])) != word[i]) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static testing::FixedRandom random{1};
  static Seam<RandomSource>::Scope fixed(random);
  // Lines with a comma as separator would depend on the locale the fuzzer
  // runs in; the checks below assume the C locale's '.'.
  static ScopedNumberFormat format(NumberFormat{u'.', u','});

  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> lines = splitLines(bytes);
  const std::size_t L = lines.size();
  // Records the reader starts: one per 8 lines begun, at most 64.
  const std::size_t records = std::min<std::size_t>(64, (L + 7) / 8);
  // Where the first over-long line among those it reads sits, if any.
  std::size_t firstLong = SIZE_MAX;
  for (std::size_t i = 0; i < std::min(L, records * 8); ++i) {
    if (lines[i].size() > static_cast<std::size_t>(TextStreamReader::kMaxLineBytes)) {
      firstLong = i;
      break;
    }
  }
  const bool complete = L >= records * 8;

  // Rate 1: every trait mutates, nothing is converted; only the shape of the
  // file decides.
  {
    clsGenSeq code;
    const Outcome o = read(bytes, code, 1.0);
    if (firstLong != SIZE_MAX) {
      check(!o.ok && o.kind == FailureKind::TypeMismatch, "an over-long line must fail with TypeMismatch");
    } else if (complete) {
      check(o.ok, "a file of whole records must read at rate 1");
    } else {
      check(!o.ok && o.kind == FailureKind::InputPastEndOfFile, "a cut record must fail with InputPastEndOfFile");
    }
    if (o.ok)
      for (int k = 0; k < clsGenSeq::kGeneCount; ++k)
        check(code.HasGene(k) == (static_cast<std::size_t>(k) < records), "genes touched at rate 1");
  }

  // Rate 0: every trait comes from its line.
  clsGenSeq code;
  const Outcome o = read(bytes, code, 0.0);
  if (!o.ok) {
    check(o.kind != FailureKind::FileSystem && o.kind != FailureKind::SubscriptOutOfRange &&
              o.kind != FailureKind::Arithmetic,
          "the reader failed with a kind it never raises");
    if (o.kind == FailureKind::InputPastEndOfFile) check(!complete, "InputPastEndOfFile with whole records");
    return 0;
  }
  check(complete && firstLong == SIZE_MAX, "a cut or over-long file read without failure");
  for (int k = 0; k < clsGenSeq::kGeneCount; ++k)
    check(code.HasGene(k) == (static_cast<std::size_t>(k) < records), "genes touched at rate 0");

  // Lines in the writer's own forms must be stored as they read.
  for (std::size_t k = 0; k < records; ++k) {
    const auto g = static_cast<std::int16_t>(k);
    const std::string* line = &lines[8 * k];
    if (isPlainDecimal(line[0])) {
      const double expected = std::strtod(line[0].c_str(), nullptr);
      check(doubleText(code.GetGAngle(g)) == doubleText(expected), "plain angle not stored to 15 digits");
    }
    const std::int16_t ints[] = {code.GetGColorBlue(g), code.GetGColorGreen(g), code.GetGColorRed(g), 0,
                                 code.GetGLength(g),    code.GetGWidth(g)};
    for (int t : {1, 2, 3, 5, 6}) {
      if (!isPlainInteger(line[t])) continue;
      const long value = std::strtol(line[t].c_str(), nullptr, 10);
      if (value >= -32768 && value <= 32767) check(ints[t - 1] == value, "plain integer not stored exactly");
    }
    if (equalIgnoringCase(line[4], "true")) check(code.GetGDraw(g) == kTrue16, "True not stored as set");
    if (equalIgnoringCase(line[4], "false")) check(code.GetGDraw(g) == kFalse16, "False not stored as clear");
  }

  // Written out and read back at rate 0, the code comes back the same.
  const QByteArray text = GeneticCodeText(code);
  clsGenSeq again;
  const Outcome back = read(std::string(text.constData(), static_cast<std::size_t>(text.size())), again, 0.0);
  check(back.ok, "the writer's own text does not read back");
  for (std::int16_t k = 0; k < clsGenSeq::kGeneCount; ++k) {
    check(doubleText(again.GetGAngle(k)) == doubleText(code.GetGAngle(k)), "angle changed on the way back");
    check(again.GetGColorBlue(k) == code.GetGColorBlue(k) && again.GetGColorGreen(k) == code.GetGColorGreen(k) &&
              again.GetGColorRed(k) == code.GetGColorRed(k) && again.GetGDraw(k) == code.GetGDraw(k) &&
              again.GetGLength(k) == code.GetGLength(k) && again.GetGWidth(k) == code.GetGWidth(k),
          "a trait changed on the way back");
  }
  return 0;
}
