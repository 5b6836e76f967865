// pelorin-breed: one child bred from genetic code files, without a window.
#include <limits>
#include <list>
#include <vector>

#include "cli/code_files.h"
#include "cli/command_line.h"
#include "genetics/gene_sequence.h"
#include "genetics/genetic_code_file.h"
#include "platform/numbers.h"
#include "platform/random.h"

namespace {

using namespace pelorin;
using cli::UsageError;

const QString kHelp = QStringLiteral(
    "Usage: pelorin-breed [--rate R] [--seed S] -o CHILD_FILE [PARENT_FILE ...]\n"
    "Breeds one child, as Open breeds from the pictures ticked as parents, from\n"
    "the genetic code files PARENT_FILE (read as Open reads them at a mutation\n"
    "rate of 0, in the order given; at most 32767), and writes its genetic code\n"
    "to CHILD_FILE as Save does. Without parents the child is wholly random.\n"
    "A parent may also be a PNG or SVG that Pelorin wrote: it carries its\n"
    "picture's genetic code.\n"
    "\n"
    "  -o CHILD_FILE  the child's genetic code file; an existing one is replaced\n"
    "                 only once the new one is complete, a device or a named\n"
    "                 pipe written into; it may not be a PARENT_FILE\n"
    "  --rate R       the mutation rate, written as in the Mutation Rate box (in\n"
    "                 your number format); 0.05 if not given\n"
    "  --seed S       start the random generator from S (0 to\n"
    "                 18446744073709551615): the same seed, rate and parents\n"
    "                 give the same child; without it every run differs\n"
    "  --help         show this text\n"
    "  --version      show the version\n"
    "\n"
    "Exit status: 0 done, 1 a file could not be read or written, 2 a usage error.\n");

// Breeding draws a parent's position as a 16-bit number.
constexpr qsizetype kMaxParents = std::numeric_limits<std::int16_t>::max();

// A sign is taken as --scale takes it: "+7" and " +7" are 7, "-7" none.
std::uint64_t seedOption(const QString& text) {
  bool ok = false;
  const std::uint64_t seed = text.toULongLong(&ok, 10);
  if (!ok || text.trimmed().startsWith(u'-')) {
    throw UsageError(
        QStringLiteral("--seed takes a whole number from 0 to 18446744073709551615, not \"%1\"").arg(text));
  }
  return seed;
}

void breed(const QStringList& arguments) {
  const cli::CommandLine line(arguments, {QStringLiteral("-o"), QStringLiteral("--rate"), QStringLiteral("--seed")},
                              {});
  const auto output = line.value(QStringLiteral("-o"));
  if (!output || output->isEmpty()) throw UsageError(QStringLiteral("-o CHILD_FILE is required"));
  const QString rate = line.value(QStringLiteral("--rate")).value_or(doubleText(0.05));
  if (!isTypedNumber(rate)) throw UsageError(QStringLiteral("The Mutation Rate must be a number."));
  if (const auto seed = line.value(QStringLiteral("--seed"))) SeedProcessRandom(seedOption(*seed));
  if (line.operands().size() > kMaxParents) {
    throw UsageError(
        QStringLiteral("a child has at most %1 parents, not %2").arg(kMaxParents).arg(line.operands().size()));
  }

  for (const QString& path : line.operands()) {
    if (cli::SameFile(*output, path)) {
      throw UsageError(QStringLiteral("CHILD_FILE \"%1\" is the parent file \"%2\" itself").arg(*output, path));
    }
  }

  // Each parent is read as Open reads a file at rate 0, then the child bred
  // from them in the order given, as from pictures ticked in that order.
  std::list<clsGenSeq> parents;
  std::vector<clsGenSeq*> codes;
  for (const QString& path : line.operands()) {
    cli::ReadCodeFile(path, parents.emplace_back());
    codes.push_back(&parents.back());
  }
  clsGenSeq child;
  child.Make(toDouble(rate, parseTypedNumber), codes);
  SaveGeneticCode(child, *output);
}

}  // namespace

int main(int argc, char** argv) { return cli::RunProgram({"pelorin-breed", kHelp}, argc, argv, breed); }
