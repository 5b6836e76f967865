#include "platform/failure.h"

#include <gtest/gtest.h>

namespace pelorin {
namespace {

TEST(Failure, MessageNamesKindFileAndReason) {
  EXPECT_EQ(Failure(FailureKind::Overflow).message(), QStringLiteral("Overflow"));
  EXPECT_EQ(Failure(FailureKind::InputPastEndOfFile, "pic.txt").message(),
            QStringLiteral("Input past end of file in \"pic.txt\""));
  Failure failure(FailureKind::FileSystem, {}, "Permission denied");
  failure.withPath("a.txt").withPath("b.txt");  // the first file named stays
  EXPECT_EQ(failure.message(), QStringLiteral("File access error in \"a.txt\": Permission denied"));
  EXPECT_STREQ(failure.what(), "File access error in \"a.txt\": Permission denied");
}

}  // namespace
}  // namespace pelorin
