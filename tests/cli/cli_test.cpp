// Runs the built pelorin-render and pelorin-breed as a user would, with no
// display and no Qt platform named.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <cstring>
#include <numbers>

#include "genetics/gene_sequence.h"
#include "genetics/genetic_code_file.h"
#include "picture/picture_export.h"
#include "picture/whole_path.h"
#include "platform/file_access.h"

namespace pelorin {
namespace {

const QString kRender = QStringLiteral(PELORIN_RENDER), kBreed = QStringLiteral(PELORIN_BREED);

class CommandLine : public ::testing::Test {
 protected:
  // The exit status; out and err hold what it printed. Numbers as the locale writes them.
  int run(const QString& program, const QStringList& arguments, const QString& locale = "C.UTF-8") {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) environment.remove(name);
    environment.insert(QStringLiteral("LC_ALL"), locale);
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(dir.path());
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit);
    out = process.readAllStandardOutput(), err = process.readAllStandardError();
    return process.exitCode();
  }
  QByteArray bytes(const QString& name) const {
    QFile file(dir.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
  }

  // pic.txt: a square of sides 600 from (850, 800), first right in a red
  // hair line, then blue, down with a pen of 3.
  void handMade() {
    for (std::int16_t i = 0; i < 4; ++i) {
      code.SetGColorLength(i, 600);
      code.SetGAngle(i, i * std::numbers::pi / 2);
      code.SetGColorWidth(i, i == 1 ? 3 : 1);
      code.SetGColorRed(i, i == 0 ? 255 : 0);
      code.SetGColorBlue(i, i == 0 ? 0 : 255);
      code.SetGColorDraw(i, kTrue16);
    }
    ComputeSegments(code, lines);
    SaveGeneticCode(code, dir.filePath(QStringLiteral("pic.txt")));
  }

  QTemporaryDir dir;
  QByteArray out, err;
  clsGenSeq code;
  SegmentTable lines;
};

TEST_F(CommandLine, PngIsThePictureAtTheScaleAndWholeKeepsEverySegment) {
  handMade();
  const auto rgb = [](const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); };
  for (const int scale : {1, 3}) {
    ASSERT_EQ(run(kRender, {"--scale", QString::number(scale), "pic.txt", "pic.png"}), 0) << err.toStdString();
    const QImage image = QImage::fromData(bytes("pic.png"));
    ASSERT_EQ(image.size(), QSize(113, 105) * scale);
    // Red from (850, 800) to (1450, 800), then the pen of 3 down to (1450, 1400).
    EXPECT_EQ(image.pixel(75 * scale, 53 * scale), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(96 * scale + 1, 75 * scale), qRgb(0, 0, 255));
    EXPECT_EQ(rgb(image), rgb(RenderPicture(code, lines, scale, Qt::white)));
    ASSERT_EQ(run(kRender, {"--whole", "--scale", QString::number(scale), "pic.txt", "whole.png"}), 0);
    const QImage whole = QImage::fromData(bytes("whole.png"));
    EXPECT_EQ(rgb(whole), rgb(RenderWholePath(code, lines, QSize(113, 105), scale, Qt::white))) << scale;
  }
}

// The format follows --format, then the suffix. A failure: status 1, one
// line, no output; a usage error: status 2.
TEST_F(CommandLine, WritesTheFormatAskedOrOnAFailureOrUsageErrorSaysWhatAndWritesNothing) {
  handMade();
  QList<QByteArray> fileLines = bytes("pic.txt").split('\n');
  fileLines[35] = "red\r";  // ColorRed of gene 4
  WriteFileAtomically(dir.filePath("mismatch.txt"), fileLines.join('\n'));
  WriteFileAtomically(dir.filePath("kept.png"), "old");
  ASSERT_TRUE(QFile::link("kept.png", dir.filePath("same.png")));
  // The drawing as the program draws it, carrying the file it was read from.
  const ImageText text{QStringLiteral("pic.txt"), QStringLiteral("Rendered from \"pic.txt\""), bytes("pic.txt")};
  // The code as the program's PNG and SVG carry it, and a PNG that carries none.
  ExportPicture(code, lines, Qt::white, dir.filePath("code.png"), ImageFormat::Png, 2, ImageFraming::Window, text);
  WriteFileAtomically(dir.filePath("code.svg"), PictureSvg(code, lines, Qt::white, text));
  ASSERT_TRUE(RenderPicture(code, lines, 1, Qt::white).save(dir.filePath("holiday.png")));
  const ImageText fromPng{QStringLiteral("code.png"), QStringLiteral("Rendered from \"code.png\""), bytes("pic.txt")};
  // Status 0: how the last file named begins; else how standard error does.
  const std::tuple<QString, QStringList, int, QByteArray> cases[] = {
      {kRender, {"pic.txt", "a.svg"}, 0, PictureSvg(code, lines, Qt::white, text)},
      {kRender, {"--format=PNG", "pic.txt", "b.svg"}, 0, "\x89PNG"},
      {kRender, {"--whole", "pic.txt", "w.svg"}, 0, WholePathSvg(code, lines, QSize(113, 105), Qt::white, text)},
      {kRender, {"mismatch.txt", "kept.png"}, 1, "Type mismatch in line 36 of \"mismatch.txt\": ColorRed of gene 4\n"},
      {kRender, {"--format=svg", "code.png", "c.svg"}, 0, PictureSvg(code, lines, Qt::white, fromPng)},
      {kBreed, {"--rate=0", "code.png", "code.svg", "-o", "child.txt"}, 0, bytes("pic.txt")},
      {kRender, {"holiday.png", "x.png"}, 1, "\"holiday.png\" holds no Pelorin genetic code.\n"},
      {kBreed, {"-o", "kept.png", "pic.txt", "same.png"}, 2, "CHILD_FILE \"kept.png\" is the parent file \"same.png\""},
      {kBreed, {"-o", "x.png", "none.txt"}, 1, "File access error in \"none.txt\": No such file or directory\n"},
      {kBreed, {"-o", "x.png", "--rate", "fast"}, 2, "The Mutation Rate must be a number."},
      {kRender, {"--scale", "17", "pic.txt", "x.png"}, 2, ""},
      {kBreed, {"pic.txt"}, 2, ""}};
  for (const auto& [program, arguments, status, text] : cases) {
    EXPECT_EQ(run(program, arguments), status) << arguments.join(' ').toStdString();
    const QByteArray said = QByteArray(program == kRender ? "pelorin-render: " : "pelorin-breed: ") + text;
    EXPECT_EQ(status == 0 ? bytes(arguments.last()).left(text.size()) : text, text) << err.toStdString();
    EXPECT_TRUE(status == 0 || (status == 2 ? err.startsWith(said) : err == said)) << err.toStdString();
    EXPECT_EQ(bytes("x.png") + bytes("kept.png"), "<missing>old");
  }
  for (const QString& program : {kRender, kBreed}) {
    EXPECT_TRUE(run(program, {"--version"}) == 0 && out.endsWith(" " PELORIN_VERSION "\n"));
    EXPECT_TRUE(run(program, {"--help"}) == 0 && out.startsWith("Usage: pelorin-") &&
                (program == kBreed || out.contains("white")));
  }
}

// An output that is the code file, or whose suffix names no picture format,
// is a usage error and writes nothing; a device is written into.
TEST_F(CommandLine, RenderWritesNoCodeFileAndWritesIntoDevices) {
  handMade();
  const QByteArray code = bytes("pic.txt");
  ASSERT_TRUE(QFile::link("pic.txt", dir.filePath("link.png")));
  // The arguments, the exit status, and how standard error (status 2) or the output (0) begins.
  const std::tuple<QStringList, int, QByteArray> cases[] = {
      {{"pic.txt", "pic.txt"}, 2, "pelorin-render: the suffix of \"pic.txt\" names no picture format"},
      {{"pic.txt", "other.txt"}, 2, "pelorin-render: the suffix of \"other.txt\" names no picture format"},
      {{"--format=png", "pic.txt", "pic.txt"}, 2, "pelorin-render: OUTPUT_FILE \"pic.txt\" is the genetic code file"},
      {{"--format=svg", "pic.txt", "link.png"}, 2, "pelorin-render: OUTPUT_FILE \"link.png\" is the genetic code"},
      {{"--format=png", "pic.txt", "out.dat"}, 0, "\x89PNG"},
      {{"--format=svg", "pic.txt", "/dev/stdout"}, 0, "<?xml"}};
  for (const auto& [arguments, status, text] : cases) {
    SCOPED_TRACE(arguments.join(' ').toStdString());
    EXPECT_EQ(run(kRender, arguments), status);
    const QString& output = arguments.last();
    EXPECT_TRUE((status == 0 ? (output.startsWith('/') ? out : bytes(output)) : err).startsWith(text))
        << err.toStdString();
    EXPECT_EQ(bytes("pic.txt") + bytes("other.txt"), code + "<missing>");
  }
}

// Names are bytes, signs read alike, limits and write failures said; the
// rate under Persian settings as files there write it, or in Persian digits.
TEST_F(CommandLine, OptionsNamesAndFailuresAsAGnuToolTakesAndSaysThem) {
  handMade();
  WriteFileAtomically(dir.filePath(DecodeFileName("lat\xe9.txt")), bytes("pic.txt"));
  WriteFileAtomically(dir.filePath(DecodeFileName("keep\xef\xbf\xbd.txt")), "other");
  // A shell script ($R and $B the programs), its locale, its status, and what standard error says.
  const std::tuple<const char*, const char*, int, const char*> cases[] = {
      {R"sh("$R" --help >/dev/full)sh", "C.UTF-8", 1, "pelorin-render: write error: No space left on device\n"},
      {R"sh("$B" --version >/dev/full)sh", "C.UTF-8", 1, "pelorin-breed: write error: No space left on device\n"},
      {R"sh("$R" "$(printf 'lat\351.txt')" o.png && test -s o.png)sh", "C.UTF-8", 0, ""},
      {R"sh("$B" -o "$(printf 'keep\351.txt')" "$(printf 'lat\351.txt')" && test -s "$(printf 'keep\351.txt')" &&
          test "$(cat "$(printf 'keep\357\277\275.txt')")" = other)sh",
       "C.UTF-8", 0, ""},
      {R"sh("$R" "$(printf 'gone\351.txt')" o.png)sh", "C.UTF-8", 1,
       "pelorin-render: File access error in \"gone\xe9.txt\": No such file or directory\n"},
      {R"sh("$B" --seed +7 -o a.txt && "$B" --seed ' +7' -o b.txt && "$B" --seed 7 -o c.txt && cmp a.txt c.txt &&
          cmp b.txt c.txt)sh",
       "C.UTF-8", 0, ""},
      {R"sh("$B" --seed -7 -o x.txt)sh", "C.UTF-8", 2, "pelorin-breed: --seed takes a whole number from 0 to "},
      {R"sh("$B" --rate 0.5 --seed 3 -o a.txt && "$B" --rate ۰٫۵ --seed 3 -o b.txt && cmp a.txt b.txt)sh",
       "fa_IR.UTF-8", 0, ""},
      {R"sh(set -- $(seq 32768 | sed 's/.*/pic.txt/') && "$B" -o x.txt "$@")sh", "C.UTF-8", 2,
       "pelorin-breed: a child has at most 32767 parents, not 32768\n"}};
  for (const auto& [script, locale, status, text] : cases) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("R", kRender);
    environment.insert("B", kBreed);
    environment.insert("LC_ALL", QString::fromLatin1(locale));
    QProcess shell;
    shell.setProcessEnvironment(environment);
    shell.setWorkingDirectory(dir.path());
    shell.start("/bin/sh", {"-c", QString::fromUtf8(script)});
    ASSERT_TRUE(shell.waitForFinished(30000)) << script;
    const QByteArray said = shell.readAllStandardError();
    EXPECT_EQ(shell.exitCode(), status) << script << '\n' << said.toStdString();
    EXPECT_EQ(status == 2 ? said.left(static_cast<qsizetype>(std::strlen(text))) : said, QByteArray(text)) << script;
  }
  // QTemporaryDir cannot name the files that are no UTF-8 to remove them.
  for (const char* name : {"lat\xe9.txt", "keep\xe9.txt"})
    ::unlink((EncodeFileName(dir.path()) + '/' + name).constData());
}

// The rate and the parents are read in the user's number format.
TEST_F(CommandLine, BreedingAtRateZeroCopiesOrMixesTheParentsAndASeedRepeatsTheChild) {
  const auto breed = [&](const QStringList& arguments, const QString& output = "child.txt") {
    EXPECT_EQ(run(kBreed, arguments + QStringList{"-o", output}, "de_DE.UTF-8"), 0) << err.toStdString();
    return bytes(output);
  };
  const QByteArray a = breed({"--seed", "1"}, "a.txt"), b = breed({"--seed", "2"}, "b.txt");
  EXPECT_EQ(breed({"--rate", "0", "a.txt"}), a);
  EXPECT_EQ(breed({"--seed", "42", "--rate", "0,3", "a.txt", "b.txt"}),
            breed({"--seed", "42", "--rate", "0,3", "a.txt", "b.txt"}));
  EXPECT_NE(breed({"a.txt", "b.txt"}), breed({"a.txt", "b.txt"}));  // the clock reseeds
  const QList<QByteArray> child = breed({"--rate=0", "a.txt", "b.txt"}).split('\n'), fromA = a.split('\n'),
                          fromB = b.split('\n');
  ASSERT_EQ(child.size(), fromA.size());
  for (qsizetype i = 0; i < child.size(); ++i)
    EXPECT_TRUE(child[i] == fromA[i] || child[i] == fromB[i]) << "line " << i + 1;
  EXPECT_TRUE(child != fromA && child != fromB);  // both parents give traits
}

}  // namespace
}  // namespace pelorin
