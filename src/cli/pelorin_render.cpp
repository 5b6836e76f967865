// pelorin-render: a genetic code file's picture as PNG or SVG, without a window.
#include <sys/stat.h>

#include <QColor>
#include <QFileInfo>

#include "cli/code_files.h"
#include "cli/command_line.h"
#include "genetics/gene_sequence.h"
#include "genetics/genetic_code_file.h"
#include "picture/line_geometry.h"
#include "picture/picture_export.h"
#include "platform/failure.h"
#include "platform/file_access.h"

namespace {

using namespace pelorin;
using cli::UsageError;

const QString kHelp = QStringLiteral(
    "Usage: pelorin-render [--scale N] [--whole] [--format png|svg] CODE_FILE OUTPUT_FILE\n"
    "Draws the picture of a genetic code file, as a picture window shows it, into\n"
    "OUTPUT_FILE. The file is read as Open reads it at a mutation rate of 0.\n"
    "\n"
    "  --scale N      PNG at N times the picture window's drawing area, drawn\n"
    "                 afresh at that scale; N from 1 to 16, 1 if not given\n"
    "  --whole        frame the whole path: every drawn segment scaled to fit\n"
    "                 the picture, instead of the window's view of the path\n"
    "  --format png|svg\n"
    "                 the output's format; without it, the suffix of OUTPUT_FILE\n"
    "                 (.png or .svg), and any other suffix is a usage error\n"
    "  --help         show this text\n"
    "  --version      show the version\n"
    "\n"
    "The background is white: there is no window palette here.\n"
    "An existing OUTPUT_FILE is replaced only once the new one is complete; a\n"
    "device or a named pipe is written into. OUTPUT_FILE may not be CODE_FILE.\n"
    "Exit status: 0 done, 1 the file could not be read, drawn or written,\n"
    "2 a usage error.\n");

ImageFormat chosenFormat(const std::optional<QString>& option, const QString& output) {
  const QString name = option ? option->toLower() : QFileInfo(output).suffix().toLower();
  if (name == QStringLiteral("svg")) return ImageFormat::Svg;
  if (name == QStringLiteral("png")) return ImageFormat::Png;
  if (option) throw UsageError(QStringLiteral("--format takes png or svg, not \"%1\"").arg(*option));
  // Most likely a genetic code file named by mistake (pelorin-render *.txt).
  throw UsageError(
      QStringLiteral("the suffix of \"%1\" names no picture format (.png or .svg); give --format to write it anyway")
          .arg(output));
}

// True when both names lead to one existing file, whatever the names.
bool sameFile(const QString& a, const QString& b) {
  struct stat first {};
  struct stat second {};
  return ::stat(EncodeFileName(a).constData(), &first) == 0 && ::stat(EncodeFileName(b).constData(), &second) == 0 &&
         first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

void render(const QStringList& arguments) {
  const cli::CommandLine line(arguments, {QStringLiteral("--scale"), QStringLiteral("--format")},
                              {QStringLiteral("--whole")});
  if (line.operands().size() != 2) throw UsageError(QStringLiteral("expected CODE_FILE and OUTPUT_FILE"));
  const QString& input = line.operands()[0];
  const QString& output = line.operands()[1];
  const auto scaleText = line.value(QStringLiteral("--scale"));
  const int scale =
      scaleText ? static_cast<int>(cli::WholeNumberOption(QStringLiteral("--scale"), *scaleText, 1, 16)) : 1;
  const ImageFormat format = chosenFormat(line.value(QStringLiteral("--format")), output);
  if (sameFile(input, output)) {
    throw UsageError(QStringLiteral("OUTPUT_FILE \"%1\" is the genetic code file \"%2\" itself").arg(output, input));
  }
  const QColor background(Qt::white);

  clsGenSeq code;
  SegmentTable lines;
  try {
    cli::ReadCodeFile(input, code);
    ComputeSegments(code, lines);
  } catch (Failure& failure) {
    failure.withPath(input);  // a segment that overflows names no file of its own
    throw;
  }
  // No picture number outside the program: the file read names the picture.
  const ImageText text{QFileInfo(input).fileName(), QStringLiteral("Rendered from \"%1\"").arg(input),
                       GeneticCodeText(code)};
  ExportPicture(code, lines, background, output, format, scale,
                line.has(QStringLiteral("--whole")) ? ImageFraming::WholePath : ImageFraming::Window, text);
}

}  // namespace

int main(int argc, char** argv) { return cli::RunProgram({"pelorin-render", kHelp}, argc, argv, render); }
