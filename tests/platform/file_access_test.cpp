#include "platform/file_access.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "platform/failure.h"
#include "support/failure_of.h"

// The order in which files are flushed and renamed, seen by standing in for
// fsync, fdatasync and rename: the test program's own come before the C
// library's, which they call. Each names the file by its path.
namespace {
bool watchingSyncs = false;
std::vector<std::string> syncsAndRenames;

std::string pathOf(int fd) {
  char link[PATH_MAX] = {};
  const ssize_t size = readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), link, sizeof link - 1);
  return size > 0 ? std::string(link, static_cast<std::size_t>(size)) : std::string();
}

template <typename F>
F* next(const char* name) {
  return reinterpret_cast<F*>(dlsym(RTLD_NEXT, name));
}
}  // namespace

extern "C" int fsync(int fd) {
  if (watchingSyncs) syncsAndRenames.push_back("sync " + pathOf(fd));
  return next<int(int)>("fsync")(fd);
}

extern "C" int fdatasync(int fd) {
  if (watchingSyncs) syncsAndRenames.push_back("sync " + pathOf(fd));
  return next<int(int)>("fdatasync")(fd);
}

extern "C" int rename(const char* from, const char* to) noexcept {
  if (watchingSyncs) syncsAndRenames.push_back(std::string("rename ") + from + " " + to);
  return next<int(const char*, const char*)>("rename")(from, to);
}

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

// A crash just after the rename must find the new bytes on the disk, not an
// empty file: the temporary file is flushed before it replaces the old one.
TEST_F(FileAccess, TheNewFileIsFlushedBeforeItReplacesTheOld) {
  writePlain(path("code.txt"), "old");
  syncsAndRenames.clear();
  watchingSyncs = true;
  WriteFileAtomically(path("code.txt"), "new");
  watchingSyncs = false;
  const std::string target = QFile::encodeName(path("code.txt")).toStdString();
  const auto renamed = std::find_if(syncsAndRenames.begin(), syncsAndRenames.end(), [&](const std::string& call) {
    return call.starts_with("rename ") && call.ends_with(" " + target);
  });
  ASSERT_NE(renamed, syncsAndRenames.end()) << ::testing::PrintToString(syncsAndRenames);
  const std::string temporary = renamed->substr(7, renamed->size() - 8 - target.size());
  const std::string temporaryName = temporary.substr(temporary.rfind('/'));
  EXPECT_TRUE(std::any_of(syncsAndRenames.begin(), renamed, [&](const std::string& call) {
    return call.starts_with("sync ") && call.ends_with(temporaryName);
  })) << ::testing::PrintToString(syncsAndRenames);
  EXPECT_EQ(contentOf(path("code.txt")), QByteArray("new"));
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

// What a target is before the write, how it must read after it, and the
// system's reason when the write must fail.
struct Target {
  const char* name;
  std::function<bool(const QString& dir)> make;  // makes dir/target; true when made
  mode_t type;                                   // of dir/target afterwards (lstat)
  const char* reads;                             // through dir/target afterwards; null: not read
  int error = 0;                                 // 0: the write succeeds
  bool asRoot = false;                           // mknod needs the superuser
};

void PrintTo(const Target& target, std::ostream* out) { *out << target.name; }

class WriteInto : public FileAccess, public ::testing::WithParamInterface<Target> {};

// Regular files and new names are replaced whole, links stay links, and a
// device or a pipe is written into, never replaced by a plain file.
TEST_P(WriteInto, ReplacesOnlyRegularFilesAndWritesIntoTheRest) {
  const Target& target = GetParam();
  if (target.asRoot && ::geteuid() != 0) GTEST_SKIP() << "device nodes need the superuser";
  const QString at = path("target");
  const QByteArray native = QFile::encodeName(at);
  ASSERT_TRUE(target.make(dir.path()));
  struct stat status {};
  // A pipe's writer waits for a reader; this one waits for nothing.
  const bool pipe = ::lstat(native.constData(), &status) == 0 && S_ISFIFO(status.st_mode);
  const int reader = pipe ? ::open(native.constData(), O_RDONLY | O_NONBLOCK) : -1;
  if (target.error == 0) {
    WriteFileAtomically(at, "new");
  } else {
    EXPECT_EQ(caughtFailure([&] { WriteFileAtomically(at, "new"); }).reason(),
              QString::fromLocal8Bit(std::strerror(target.error)));
  }
  ASSERT_EQ(::lstat(native.constData(), &status), 0);
  EXPECT_EQ(status.st_mode & S_IFMT, target.type);
  QByteArray read;
  if (pipe) {
    char bytes[16];
    const ssize_t got = ::read(reader, bytes, sizeof bytes);
    read = QByteArray(bytes, std::max<ssize_t>(got, 0));
    ::close(reader);
  } else if (target.reads != nullptr) {
    read = contentOf(at);
  }
  if (target.reads != nullptr) {
    EXPECT_EQ(read, QByteArray(target.reads));
  }
  // No temporary file left beside what the case made.
  const QStringList left =
      QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
  for (const QString& name : left) {
    EXPECT_TRUE(name == "target" || name == "file" || name == "made") << name.toStdString();
  }
}

bool makeNode(const QString& path, mode_t type, dev_t device) {
  return ::mknod(QFile::encodeName(path).constData(), type | 0666, device) == 0;
}

INSTANTIATE_TEST_SUITE_P(
    Targets, WriteInto,
    ::testing::Values(
        Target{"NewName", [](const QString&) { return true; }, S_IFREG, "new"},
        Target{"RegularFile", [](const QString& d) { return QFile(d + "/target").open(QIODevice::WriteOnly); }, S_IFREG,
               "new"},
        Target{"SymbolicLink",
               [](const QString& d) {
                 return QFile(d + "/file").open(QIODevice::WriteOnly) && QFile::link("file", d + "/target");
               },
               S_IFLNK, "new"},
        Target{"DanglingLink", [](const QString& d) { return QFile::link("made", d + "/target"); }, S_IFLNK, "new"},
        Target{"Pipe",
               [](const QString& d) { return ::mkfifo(QFile::encodeName(d + "/target").constData(), 0600) == 0; },
               S_IFIFO, "new"},
        Target{"DeviceNode",  // a null device: takes the bytes, reads back nothing
               [](const QString& d) { return makeNode(d + "/target", S_IFCHR, makedev(1, 3)); }, S_IFCHR, "", 0, true},
        Target{"FullDeviceNode", [](const QString& d) { return makeNode(d + "/target", S_IFCHR, makedev(1, 7)); },
               S_IFCHR, nullptr, ENOSPC, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FileNames, BytesThatAreNoUtf8ComeBackAsTheyWere) {
  for (const QByteArray& bytes :
       {QByteArray("lat\xe9.txt"), QByteArray("caf\xc3\xa9 \xf0\x9f\x98\x80"),
        QByteArray("\xc0\xaf\xed\xa0\x80\xf4\x90\x80\x80\xe2\x82"), QByteArray("\xf0\x9f\x98\x80\xe9")}) {
    EXPECT_EQ(EncodeFileName(DecodeFileName(bytes)), bytes) << bytes.toHex().toStdString();
    EXPECT_EQ(DecodeFileName(bytes).toUtf8() == bytes, QString::fromUtf8(bytes).toUtf8() == bytes);
  }
  EXPECT_EQ(DecodeFileName("caf\xc3\xa9"), QStringLiteral("caf\u00e9"));
  const QString text = QStringLiteral("caf\u00e9 \U0001f600");
  EXPECT_EQ(EncodeFileName(text), text.toUtf8());
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
