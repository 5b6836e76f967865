#include "platform/failure.h"

#include <gtest/gtest.h>

namespace pelorin {
namespace {

TEST(Failure, MessageKeepsTheFirstFileAndLineNamed) {
  EXPECT_EQ(Failure(FailureKind::Overflow).at(0, "Angle of gene 0").message(), QStringLiteral("Overflow"));
  EXPECT_EQ(Failure(FailureKind::InputPastEndOfFile, "pic.txt").message(),
            QStringLiteral("Input past end of file in \"pic.txt\""));
  Failure reason(FailureKind::FileSystem, {}, "Permission denied");
  reason.withPath("a.txt").withPath("b.txt");
  EXPECT_STREQ(reason.what(), "File access error in \"a.txt\": Permission denied");
  Failure located(FailureKind::TypeMismatch);
  located.at(36, "ColorRed of gene 4").withPath("pic.txt").at(40, "Width of gene 4");
  EXPECT_EQ(located.line(), 36);
  EXPECT_EQ(located.message(), QStringLiteral("Type mismatch in line 36 of \"pic.txt\": ColorRed of gene 4"));
  EXPECT_EQ(QString::fromUtf8(located.what()), located.message());
}

TEST(Failure, TextNotFromAFileIsNamedUnquotedUnlessAFileIsNamed) {
  Failure pasted(FailureKind::TypeMismatch);
  pasted.at(36, "ColorRed of gene 4").within("the clipboard text").within("another text").withPath("pic.txt");
  EXPECT_EQ(pasted.message(), QStringLiteral("Type mismatch in line 36 of the clipboard text: ColorRed of gene 4"));
  EXPECT_STREQ(pasted.what(), "Type mismatch in line 36 of the clipboard text: ColorRed of gene 4");
  EXPECT_EQ(Failure(FailureKind::Overflow).within("the clipboard text").message(),
            QStringLiteral("Overflow in the clipboard text"));
  EXPECT_EQ(Failure(FailureKind::Overflow, "pic.txt").within("the clipboard text").message(),
            QStringLiteral("Overflow in \"pic.txt\""));
}

}  // namespace
}  // namespace pelorin
