#include <QWidget>
#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <stdexcept>

#include "platform/failure.h"
#include "ui/user_messages.h"

namespace pelorin {
namespace {

using ::testing::_;
using ::testing::Eq;

class MockMessages : public UserMessages {
 public:
  MOCK_METHOD(void, showFailure, (QWidget*, const QString&, const QString&), (override));
};

// Installs the mock while alive.
class ReportFailures : public ::testing::Test {
 protected:
  ReportFailures() : previous_(setUserMessages(&messages)) {}
  ~ReportFailures() override { setUserMessages(previous_); }

  ::testing::StrictMock<MockMessages> messages;
  QWidget parent;

 private:
  UserMessages* previous_;
};

TEST_F(ReportFailures, WorkThatSucceedsReportsNothing) {
  bool ran = false;
  EXPECT_TRUE(reportFailures(&parent, [&] { ran = true; }));
  EXPECT_TRUE(ran);
}

struct Thrown {
  const char* name;
  std::function<void()> work;
  const char* text;
};

void PrintTo(const Thrown& thrown, std::ostream* out) { *out << thrown.name; }

class ReportFailuresThrown : public ReportFailures,
                             public ::testing::WithParamInterface<Thrown> {};

TEST_P(ReportFailuresThrown, ReachesTheMessagesNamedAndIsSwallowed) {
  EXPECT_CALL(messages, showFailure(&parent, _, Eq(QString::fromLatin1(GetParam().text))));
  EXPECT_FALSE(reportFailures(&parent, GetParam().work));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ReportFailuresThrown,
    ::testing::Values(
        Thrown{"Overflow", [] { throw Failure(FailureKind::Overflow); }, "Overflow"},
        Thrown{"FileFailure",
               [] { throw Failure(FailureKind::FileSystem, "a.txt", "Permission denied"); },
               "File access error in \"a.txt\": Permission denied"},
        Thrown{"StdException", [] { throw std::runtime_error("bad index"); }, "bad index"},
        Thrown{"Anything", [] { throw 7; }, "Unknown failure"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(UserMessagesSeam, SetterReturnsThePreviousMessages) {
  ::testing::StrictMock<MockMessages> first;
  ::testing::StrictMock<MockMessages> second;
  UserMessages* original = setUserMessages(&first);
  EXPECT_EQ(setUserMessages(&second), &first);
  EXPECT_EQ(&userMessages(), &second);
  EXPECT_EQ(setUserMessages(original), &second);
}

}  // namespace
}  // namespace pelorin
