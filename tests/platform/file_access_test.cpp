#include "platform/file_access.h"

#include <gtest/gtest.h>

#include "support/failure_of.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <functional>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/failure.h"

namespace pelorin {
namespace {

QByteArray contentOf(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return "<unreadable>";
  return file.readAll();
}

void writePlain(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  ASSERT_EQ(file.write(bytes), bytes.size());
}

using testing::failureOf;

struct ExistsCase {
  const char* name;
  std::function<QString(const QDir&)> make;
  bool exists;
};

class FileExistsTest : public ::testing::TestWithParam<ExistsCase> {};

TEST_P(FileExistsTest, OnlyRegularFiles) {
  QTemporaryDir dir;
  const QString path = GetParam().make(QDir(dir.path()));
  EXPECT_EQ(FileExists(path), GetParam().exists) << path.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, FileExistsTest,
    ::testing::Values(
        ExistsCase{"RegularFile",
                   [](const QDir& d) {
                     writePlain(d.filePath("f"), "x");
                     return d.filePath("f");
                   },
                   true},
        ExistsCase{"EmptyFile",
                   [](const QDir& d) {
                     writePlain(d.filePath("f"), "");
                     return d.filePath("f");
                   },
                   true},
        ExistsCase{"LinkToFile",
                   [](const QDir& d) {
                     writePlain(d.filePath("f"), "x");
                     QFile::link(d.filePath("f"), d.filePath("l"));
                     return d.filePath("l");
                   },
                   true},
        ExistsCase{"DanglingLink",
                   [](const QDir& d) {
                     QFile::link(d.filePath("gone"), d.filePath("l"));
                     return d.filePath("l");
                   },
                   false},
        ExistsCase{"Folder", [](const QDir& d) { return d.path(); }, false},
        ExistsCase{"Fifo",
                   [](const QDir& d) {
                     ::mkfifo(QFile::encodeName(d.filePath("p")).constData(), 0600);
                     return d.filePath("p");
                   },
                   false},
        ExistsCase{"Device", [](const QDir&) { return QStringLiteral("/dev/null"); }, false},
        ExistsCase{"Missing", [](const QDir& d) { return d.filePath("missing"); }, false},
        ExistsCase{"EmptyName", [](const QDir&) { return QString(); }, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FileAccess, OpeningAMissingFileNamesItAndTheReason) {
  QTemporaryDir dir;
  const QString path = dir.filePath("missing.txt");
  try {
    OpenForReading(path);
    FAIL() << "opened";
  } catch (const Failure& failure) {
    EXPECT_EQ(failure.kind(), FailureKind::FileSystem);
    EXPECT_EQ(failure.path(), path);
    EXPECT_EQ(failure.reason(), QStringLiteral("No such file or directory"));
  }
}

struct LinesCase {
  const char* name;
  std::string text;
  std::vector<QString> lines;
};

class ReadLineTest : public ::testing::TestWithParam<LinesCase> {};

TEST_P(ReadLineTest, SplitsLinesThenFailsPastTheEnd) {
  std::istringstream in(GetParam().text);
  TextStreamReader reader(in);
  for (const QString& expected : GetParam().lines) {
    ASSERT_FALSE(reader.AtEndOfStream());
    EXPECT_EQ(reader.ReadLine(), expected);
  }
  EXPECT_TRUE(reader.AtEndOfStream());
  EXPECT_EQ(failureOf([&] { reader.ReadLine(); }), FailureKind::InputPastEndOfFile);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadLineTest,
    ::testing::Values(LinesCase{"Empty", "", {}}, LinesCase{"CrLf", "a\r\n\r\nb\r\n", {"a", "", "b"}},
                      LinesCase{"LfAlone", "a\nb\n", {"a", "b"}},
                      LinesCase{"NoLastLineEnd", "a\r\nb", {"a", "b"}},
                      LinesCase{"CrInsideKept", "a\rb\r\n", {"a\rb"}},
                      LinesCase{"Latin1", "caf\xe9\r\n", {QStringLiteral("caf\u00e9")}},
                      LinesCase{"LongestAccepted", std::string(4096, 'x') + "\r\n", {QString(4096, u'x')}}),
    [](const auto& info) { return std::string(info.param.name); });

class LongLineTest : public ::testing::TestWithParam<std::string> {};

TEST_P(LongLineTest, IsATypeMismatch) {
  std::istringstream in(GetParam());
  TextStreamReader reader(in);
  EXPECT_EQ(failureOf([&] { reader.ReadLine(); }), FailureKind::TypeMismatch);
  // It stopped near the limit instead of taking in the whole line.
  if (GetParam().size() > 10000) {
    EXPECT_LT(in.tellg(), 5000);
  }
}

INSTANTIATE_TEST_SUITE_P(Texts, LongLineTest,
                         ::testing::Values(std::string(4097, 'x') + "\r\n", std::string(4097, 'x'),
                                           std::string(5000, '1') + "\r\n", std::string(1 << 20, 'y')));

TEST(WriteFileAtomically, WritesAndReplacesTheWholeFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath("code.txt");
  WriteFileAtomically(path, "first, longer content\r\n");
  WriteFileAtomically(path, "second\r\n");
  EXPECT_EQ(contentOf(path), QByteArray("second\r\n"));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"code.txt"});
}

TEST(WriteFileAtomically, MissingFolderFailsNamingThePath) {
  QTemporaryDir dir;
  const QString path = dir.filePath("no/such/folder/code.txt");
  try {
    WriteFileAtomically(path, "x");
    FAIL() << "written";
  } catch (const Failure& failure) {
    EXPECT_EQ(failure.kind(), FailureKind::FileSystem);
    EXPECT_EQ(failure.path(), path);
    EXPECT_FALSE(failure.reason().isEmpty());
  }
}

// Lowers the file size limit so writes beyond it fail with EFBIG rather
// than killing the process; restores both on the way out.
class ScopedFileSizeLimit {
 public:
  explicit ScopedFileSizeLimit(rlim_t bytes) {
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &previous_);
    rlimit lowered = previous_;
    lowered.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &lowered);
  }
  ~ScopedFileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &previous_);
    std::signal(SIGXFSZ, previousHandler_);
  }

 private:
  rlimit previous_{};
  void (*previousHandler_)(int);
};

TEST(WriteFileAtomically, ShortWriteLeavesTheOldFileAsItWas) {
  QTemporaryDir dir;
  const QString path = dir.filePath("code.txt");
  const QByteArray old = "old content that must survive\r\n";
  writePlain(path, old);
  {
    ScopedFileSizeLimit limit(4096);
    try {
      WriteFileAtomically(path, QByteArray(100000, 'n'));
      FAIL() << "a write past the size limit succeeded";
    } catch (const Failure& failure) {
      EXPECT_EQ(failure.kind(), FailureKind::FileSystem);
      EXPECT_EQ(failure.path(), path);
    }
  }
  EXPECT_EQ(contentOf(path), old);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"code.txt"});
}

TEST(WriteFileAtomically, ReadOnlyFolderWritesInPlace) {
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
  QTemporaryDir dir;
  const QString path = dir.filePath("code.txt");
  writePlain(path, "old");
  QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
  WriteFileAtomically(path, "new");
  QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  EXPECT_EQ(contentOf(path), QByteArray("new"));
}

}  // namespace
}  // namespace pelorin
