#include <cerrno>
#include <functional>
#include <ios>
#include <new>
#include <stdexcept>
#include <system_error>

#include "gui_fixture.h"
#include "platform/failure.h"

namespace pelorin {
namespace {

struct Thrown {
  const char* name;
  const char* doing;  // null: the call without it
  std::function<void()> work;
  const char* text;  // null: nothing to report
};

class ReportFailures : public ::testing::TestWithParam<Thrown> {};

TEST_P(ReportFailures, ReportsWhatWasThrownByNameAndSwallowsIt) {
  const Thrown& c = GetParam();
  testing::RecordingMessages messages;
  UserMessages* previous = setUserMessages(&messages);
  QWidget parent;
  const bool finished =
      c.doing ? reportFailures(&parent, QString::fromLatin1(c.doing), c.work) : reportFailures(&parent, c.work);
  EXPECT_EQ(finished, c.text == nullptr);
  EXPECT_EQ(setUserMessages(previous), &messages);
  const QStringList expected = c.text ? QStringList{QString::fromLatin1(c.text)} : QStringList{};
  EXPECT_EQ(messages.texts, expected);
  EXPECT_EQ(messages.parents, QList<QWidget*>(expected.size(), &parent));
}

constexpr const char* kSaving = "saving picture 3 to \"a.txt\"";
const auto kFileFailure = [] { throw Failure(FailureKind::FileSystem, "a.txt", "Permission denied"); };
// What libstdc++'s file buffer throws when a read fails.
const auto kLibraryText = [] {
  throw std::ios_base::failure("basic_filebuf::underflow error reading the file",
                               std::error_code(EIO, std::generic_category()));
};

INSTANTIATE_TEST_SUITE_P(
    Kinds, ReportFailures,
    ::testing::Values(Thrown{"Nothing", nullptr, [] {}, nullptr}, Thrown{"NothingWhileSaving", kSaving, [] {}, nullptr},
                      Thrown{"Overflow", nullptr, [] { throw Failure(FailureKind::Overflow); }, "Overflow"},
                      Thrown{"FileFailure", nullptr, kFileFailure, "File access error in \"a.txt\": Permission denied"},
                      Thrown{"FileFailureWhileSaving", kSaving, kFileFailure,
                             "File access error in \"a.txt\": Permission denied"},
                      Thrown{"StdException", nullptr, [] { throw std::runtime_error("bad index"); },
                             "Pelorin could not finish what it was doing: an unexpected error occurred."},
                      Thrown{"LibraryTextWhileSaving", kSaving, kLibraryText,
                             "Could not finish saving picture 3 to \"a.txt\": an unexpected error occurred."},
                      Thrown{"OutOfMemoryWhileSaving", kSaving, [] { throw std::bad_alloc(); },
                             "Could not finish saving picture 3 to \"a.txt\": not enough memory."},
                      Thrown{"Anything", nullptr, [] { throw 7; },
                             "Pelorin could not finish what it was doing: an unexpected error occurred."}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pelorin
