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

TEST(Failure, MessageNamesTheLineAndWhatItHoldsWhenKnown) {
  Failure failure(FailureKind::TypeMismatch);
  failure.at(36, "ColorRed of gene 4").withPath("pic.txt").at(40, "Width of gene 4");  // the first line stays
  EXPECT_EQ(failure.line(), 36);
  EXPECT_EQ(failure.message(), QStringLiteral("Type mismatch in line 36 of \"pic.txt\": ColorRed of gene 4"));
  EXPECT_STREQ(failure.what(), "Type mismatch in line 36 of \"pic.txt\": ColorRed of gene 4");
  EXPECT_EQ(Failure(FailureKind::Overflow).at(0, "Angle of gene 0").message(), QStringLiteral("Overflow"));
}

}  // namespace
}  // namespace pelorin
