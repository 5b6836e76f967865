#include <functional>
#include <stdexcept>

#include "gui_fixture.h"
#include "platform/failure.h"

namespace pelorin {
namespace {

struct Thrown {
  const char* name;
  std::function<void()> work;
  const char* text;  // null: nothing to report
};

class ReportFailures : public ::testing::TestWithParam<Thrown> {};

TEST_P(ReportFailures, ReportsWhatWasThrownByNameAndSwallowsIt) {
  testing::RecordingMessages messages;
  UserMessages* previous = setUserMessages(&messages);
  QWidget parent;
  EXPECT_EQ(reportFailures(&parent, GetParam().work), GetParam().text == nullptr);
  EXPECT_EQ(setUserMessages(previous), &messages);
  const QStringList expected = GetParam().text ? QStringList{QString::fromLatin1(GetParam().text)} : QStringList{};
  EXPECT_EQ(messages.texts, expected);
  EXPECT_EQ(messages.parents, QList<QWidget*>(expected.size(), &parent));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ReportFailures,
    ::testing::Values(Thrown{"Nothing", [] {}, nullptr},
                      Thrown{"Overflow", [] { throw Failure(FailureKind::Overflow); }, "Overflow"},
                      Thrown{"FileFailure",
                             [] { throw Failure(FailureKind::FileSystem, "a.txt", "Permission denied"); },
                             "File access error in \"a.txt\": Permission denied"},
                      Thrown{"StdException", [] { throw std::runtime_error("bad index"); }, "bad index"},
                      Thrown{"Anything", [] { throw 7; }, "Unknown failure"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pelorin
