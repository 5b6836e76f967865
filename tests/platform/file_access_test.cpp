#include "platform/file_access.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <sstream>

#include "platform/failure.h"
#include "support/failure_of.h"

namespace pelorin {
namespace {

using testing::caughtFailure;
using testing::failureOf;

QByteArray contentOf(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writePlain(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  ASSERT_EQ(file.write(bytes), bytes.size());
}

class FileAccess : public ::testing::Test {
 protected:
  QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
  QStringList filesInDir() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }

  QTemporaryDir dir;
};

TEST_F(FileAccess, FileExistsOnlyForRegularFilesAndLinksToThem) {
  writePlain(path("file"), "x");
  writePlain(path("empty"), "");
  QFile::link(path("file"), path("link"));
  QFile::link(path("gone"), path("dangling"));
  ::mkfifo(QFile::encodeName(path("fifo")).constData(), 0600);
  for (const char* name : {"file", "empty", "link"}) EXPECT_TRUE(FileExists(path(name))) << name;
  for (const QString& other :
       {path("dangling"), path("fifo"), path("missing"), dir.path(), QStringLiteral("/dev/null"), QString()})
    EXPECT_FALSE(FileExists(other)) << other.toStdString();
}

TEST_F(FileAccess, MissingFileOrFolderIsNamedWithTheReason) {
  const Failure opening = caughtFailure([&] { OpenForReading(path("missing.txt")); });
  EXPECT_EQ(opening.kind(), FailureKind::FileSystem);
  EXPECT_EQ(opening.path(), path("missing.txt"));
  EXPECT_EQ(opening.reason(), QString::fromLocal8Bit(std::strerror(ENOENT)));
  const Failure writing = caughtFailure([&] { WriteFileAtomically(path("no/such/folder/code.txt"), "x"); });
  EXPECT_EQ(writing.kind(), FailureKind::FileSystem);
  EXPECT_EQ(writing.path(), path("no/such/folder/code.txt"));
  EXPECT_FALSE(writing.reason().isEmpty());
}

// A file that opens but cannot be read fails like one that cannot be opened,
// with the system's reason; the caller names the file.
TEST_F(FileAccess, ReadErrorIsAFileFailureWithTheSystemsReason) {
  for (auto [name, error] : {std::pair{QStringLiteral("/proc/self/mem"), EIO}, std::pair{dir.path(), EISDIR}}) {
    std::ifstream in = OpenForReading(name);
    TextStreamReader reader(in);
    const Failure failure = caughtFailure([&] { reader.ReadLine(); });
    EXPECT_EQ(failure.kind(), FailureKind::FileSystem) << name.toStdString();
    EXPECT_EQ(failure.reason(), QString::fromLocal8Bit(std::strerror(error))) << name.toStdString();
    EXPECT_TRUE(failure.path().isEmpty());
  }
}

// The lines of text until its end, checking that one more read fails.
std::vector<QString> linesOf(const std::string& text) {
  std::istringstream in(text);
  TextStreamReader reader(in);
  std::vector<QString> lines;
  while (!reader.AtEndOfStream() && lines.size() < 10) lines.push_back(reader.ReadLine());
  EXPECT_EQ(failureOf([&] { reader.ReadLine(); }), FailureKind::InputPastEndOfFile);
  return lines;
}

TEST(ReadLine, SplitsAtLineEndsThenFailsPastTheEnd) {
  using Lines = std::vector<QString>;
  EXPECT_EQ(linesOf(""), Lines{});
  EXPECT_EQ(linesOf("a\r\n\r\nb\r\n"), (Lines{"a", "", "b"}));
  EXPECT_EQ(linesOf("a\nb\n"), (Lines{"a", "b"}));
  EXPECT_EQ(linesOf("a\r\nb"), (Lines{"a", "b"}));
  EXPECT_EQ(linesOf("a\rb\r\n"), Lines{"a\rb"});
  EXPECT_EQ(linesOf("caf\xe9\r\n"), Lines{QStringLiteral("caf\u00e9")});
  EXPECT_EQ(linesOf(std::string(4096, 'x') + "\r\n"), Lines{QString(4096, u'x')});
}

TEST(ReadLine, LongerLineIsATypeMismatchReadOnlyNearTheLimit) {
  for (const std::string& text : {std::string(4097, 'x') + "\r\n", std::string(4097, 'x'), std::string(1 << 20, 'y')}) {
    std::istringstream in(text);
    TextStreamReader reader(in);
    EXPECT_EQ(failureOf([&] { reader.ReadLine(); }), FailureKind::TypeMismatch);
    EXPECT_LT(in.tellg(), 5000);
  }
}

TEST_F(FileAccess, WriteReplacesTheWholeFile) {
  WriteFileAtomically(path("code.txt"), "first, longer content\r\n");
  WriteFileAtomically(path("code.txt"), "second\r\n");
  EXPECT_EQ(contentOf(path("code.txt")), QByteArray("second\r\n"));
  EXPECT_EQ(filesInDir(), QStringList{"code.txt"});
}

TEST_F(FileAccess, ShortWriteLeavesTheOldFileAsItWas) {
  const QByteArray old = "old content that must survive\r\n";
  writePlain(path("code.txt"), old);
  // A lowered size limit makes writes beyond it fail with EFBIG instead of killing the process.
  const auto handler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit previous{};
  getrlimit(RLIMIT_FSIZE, &previous);
  rlimit lowered = previous;
  lowered.rlim_cur = 4096;
  setrlimit(RLIMIT_FSIZE, &lowered);
  const Failure failure = caughtFailure([&] { WriteFileAtomically(path("code.txt"), QByteArray(100000, 'n')); });
  setrlimit(RLIMIT_FSIZE, &previous);
  std::signal(SIGXFSZ, handler);
  EXPECT_EQ(failure.kind(), FailureKind::FileSystem);
  EXPECT_EQ(failure.path(), path("code.txt"));
  EXPECT_EQ(contentOf(path("code.txt")), old);
  EXPECT_EQ(filesInDir(), QStringList{"code.txt"});
}

TEST_F(FileAccess, ReadOnlyFolderWritesInPlace) {
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
  writePlain(path("code.txt"), "old");
  QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
  WriteFileAtomically(path("code.txt"), "new");
  QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  EXPECT_EQ(contentOf(path("code.txt")), QByteArray("new"));
}

}  // namespace
}  // namespace pelorin
