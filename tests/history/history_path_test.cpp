#include "history/history_path.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QTemporaryDir>

#include "history/history_store.h"
#include "history_fixture.h"
#include "platform/file_access.h"

namespace pelorin::history {
namespace {

struct PathCase {
  const char* name;
  const char* dataHome;
  const char* home;
  const char* expected;
};

class HistoryPath : public ::testing::TestWithParam<PathCase> {};

TEST_P(HistoryPath, FollowsTheDataHome) {
  const PathCase& c = GetParam();
  EXPECT_EQ(HistoryFilePath(QString::fromUtf8(c.dataHome), QString::fromUtf8(c.home)), QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Environment, HistoryPath,
    ::testing::Values(PathCase{"Set", "/data", "/home/a", "/data/pelorin/history.sqlite"},
                      PathCase{"TrailingSlash", "/data/", "/home/a", "/data/pelorin/history.sqlite"},
                      PathCase{"Unset", "", "/home/a", "/home/a/.local/share/pelorin/history.sqlite"},
                      PathCase{"Relative", "data", "/home/a", "/home/a/.local/share/pelorin/history.sqlite"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HistoryPath, DefaultReadsTheEnvironment) {
  const QByteArray saved = qgetenv("XDG_DATA_HOME");
  qputenv("XDG_DATA_HOME", "/somewhere/else");
  EXPECT_EQ(DefaultHistoryFilePath(), QStringLiteral("/somewhere/else/pelorin/history.sqlite"));
  qunsetenv("XDG_DATA_HOME");
  EXPECT_TRUE(DefaultHistoryFilePath().endsWith(QStringLiteral("/.local/share/pelorin/history.sqlite")));
  if (!saved.isNull()) qputenv("XDG_DATA_HOME", saved);
}

// A data folder named in bytes that are no UTF-8 (Latin-1 "café") is that
// folder: the history is made there, not in one named with U+FFFD.
TEST(HistoryPath, DataHomeInOtherBytesIsThatFolder) {
  QTemporaryDir dir;
  const QByteArray dataHome = EncodeFileName(dir.path()) + "/caf\xe9";
  const QByteArray saved = qgetenv("XDG_DATA_HOME");
  qputenv("XDG_DATA_HOME", dataHome);
  const QString path = DefaultHistoryFilePath();
  if (saved.isNull()) qunsetenv("XDG_DATA_HOME");
  else qputenv("XDG_DATA_HOME", saved);
  ASSERT_EQ(EncodeFileName(path), dataHome + "/pelorin/history.sqlite");
  {
    HistoryStore store(path);
    EXPECT_TRUE(store.recording()) << store.problem().value_or(QString()).toStdString();
    EXPECT_TRUE(store.recordPicture(testing::MadePicture(0)));
  }
  struct stat status {};
  EXPECT_EQ(::stat((dataHome + "/pelorin/history.sqlite").constData(), &status), 0);
}

}  // namespace
}  // namespace pelorin::history
