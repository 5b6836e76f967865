#include "platform/numbers.h"

#include <gtest/gtest.h>

#include "support/failure_of.h"

#include <cmath>
#include <limits>

#include "platform/failure.h"

namespace pelorin {
namespace {

using testing::failureOf;

struct NumericCase {
  const char* text;
  bool numeric;
  double value;
};

class NumericTest : public ::testing::TestWithParam<NumericCase> {
 protected:
  ScopedNumberFormat english_{{u'.', u','}};
};

TEST_P(NumericTest, TestAndConversionAgree) {
  const NumericCase& c = GetParam();
  const QString text = QString::fromUtf8(c.text);
  EXPECT_EQ(isNumeric(text), c.numeric);
  if (c.numeric) {
    EXPECT_EQ(toDouble(text), c.value);
  } else {
    EXPECT_EQ(failureOf([&] { toDouble(text); }), FailureKind::TypeMismatch);
  }
}

INSTANTIATE_TEST_SUITE_P(Texts, NumericTest,
    ::testing::Values(NumericCase{" 0", true, 0.0}, NumericCase{"0.5", true, 0.5},
                      NumericCase{"1,000", true, 1000.0}, NumericCase{"-3", true, -3.0},
                      NumericCase{"+7", true, 7.0}, NumericCase{"  2.5  ", true, 2.5},
                      NumericCase{".25", true, 0.25}, NumericCase{"5.", true, 5.0},
                      NumericCase{"1E-05", true, 1e-05}, NumericCase{"1e+15", true, 1e15},
                      NumericCase{"1,234,567.5", true, 1234567.5},
                      NumericCase{"", false, 0}, NumericCase{"   ", false, 0},
                      NumericCase{"abc", false, 0}, NumericCase{"1,", false, 0},
                      NumericCase{",1", false, 0}, NumericCase{"1..2", false, 0},
                      NumericCase{"1e", false, 0}, NumericCase{"-", false, 0},
                      NumericCase{"1 2", false, 0}, NumericCase{"0x10", false, 0},
                      NumericCase{"inf", false, 0}, NumericCase{"nan", false, 0},
                      NumericCase{"١", false, 0}));

TEST(Numbers, GermanSeparatorsSwapRoles) {
  ScopedNumberFormat german({u',', u'.'});
  EXPECT_EQ(toDouble(u"1.000,5"), 1000.5);
  EXPECT_EQ(doubleText(0.25), QStringLiteral("0,25"));
  EXPECT_EQ(toDouble(doubleText(3.14159)), 3.14159);
}

TEST(Numbers, BeyondDoubleRangeIsOverflowAndNotNumeric) {
  EXPECT_FALSE(isNumeric(u"1e999"));
  EXPECT_EQ(failureOf([] { toDouble(u"-1e999"); }), FailureKind::Overflow);
  EXPECT_EQ(toDouble(u"1e-999"), 0.0);  // underflow is a value
}

struct IntCase {
  const char* text;
  int value;  // or failure below
  bool overflow;
  bool mismatch;
};

class Int16Test : public ::testing::TestWithParam<IntCase> {
 protected:
  ScopedNumberFormat english_{{u'.', u','}};
};

TEST_P(Int16Test, RoundsHalfToEvenWithinRange) {
  const IntCase& c = GetParam();
  const QString text = QString::fromUtf8(c.text);
  if (c.overflow) {
    EXPECT_EQ(failureOf([&] { toInt16(text); }), FailureKind::Overflow);
  } else if (c.mismatch) {
    EXPECT_EQ(failureOf([&] { toInt16(text); }), FailureKind::TypeMismatch);
  } else {
    EXPECT_EQ(toInt16(text), c.value);
  }
}

INSTANTIATE_TEST_SUITE_P(Texts, Int16Test,
    ::testing::Values(IntCase{"2.5", 2, false, false}, IntCase{"3.5", 4, false, false}, IntCase{"-2.5", -2, false, false}, IntCase{"-3.5", -4, false, false},
                      IntCase{"0.5", 0, false, false}, IntCase{"1.5", 2, false, false}, IntCase{"2.4999", 2, false, false},
                      IntCase{"32767", 32767, false, false}, IntCase{"-32768", -32768, false, false},
                      IntCase{"32767.5", 0, true, false}, IntCase{"-32768.5", -32768, false, false},
                      IntCase{"-32769", 0, true, false}, IntCase{"32768", 0, true, false},
                      IntCase{"1e999", 0, true, false}, IntCase{"", 0, false, true},
                      IntCase{"abc", 0, false, true}, IntCase{"1,000", 1000, false, false}));

TEST(Numbers, DoubleToInt16Boundaries) {
  EXPECT_EQ(roundToInt16(32767.49), 32767);
  EXPECT_EQ(roundToInt16(-32768.5), -32768);
  EXPECT_EQ(failureOf([] { roundToInt16(32767.5); }), FailureKind::Overflow);
  EXPECT_EQ(failureOf([] { roundToInt16(std::nan("")); }), FailureKind::Overflow);
  EXPECT_EQ(floorToInt16(-0.5), -1);
  EXPECT_EQ(floorToInt16(32767.99), 32767);
  EXPECT_EQ(failureOf([] { floorToInt16(-32768.01); }), FailureKind::Overflow);
  EXPECT_EQ(checkedAdd16(32766, 1), 32767);
  EXPECT_EQ(failureOf([] { checkedAdd16(32767, 1); }), FailureKind::Overflow);
  EXPECT_EQ(failureOf([] { checkedAdd16(-32768, -1); }), FailureKind::Overflow);
}

TEST(Numbers, TextToBoolean) {
  EXPECT_EQ(toBool16(u"True"), kTrue16);
  EXPECT_EQ(toBool16(u"true"), kTrue16);
  EXPECT_EQ(toBool16(u"FALSE"), kFalse16);
  EXPECT_EQ(toBool16(u"0"), kFalse16);
  EXPECT_EQ(toBool16(u"-1"), kTrue16);
  EXPECT_EQ(toBool16(u"0.25"), kTrue16);
  EXPECT_EQ(failureOf([] { toBool16(u"yes"); }), FailureKind::TypeMismatch);
  EXPECT_EQ(failureOf([] { toBool16(u""); }), FailureKind::TypeMismatch);
}

TEST(Numbers, NumberToTextForms) {
  EXPECT_EQ(signedNumberText(0LL), QStringLiteral(" 0"));
  EXPECT_EQ(signedNumberText(12LL), QStringLiteral(" 12"));
  EXPECT_EQ(signedNumberText(-5LL), QStringLiteral("-5"));
  EXPECT_EQ(signedNumberText(0.0), QStringLiteral(" 0"));
  EXPECT_EQ(plainNumberText(17), QStringLiteral("17"));
  EXPECT_EQ(plainNumberText(-5), QStringLiteral("-5"));
}

TEST(Numbers, DoubleTextForms) {
  ScopedNumberFormat english({u'.', u','});
  EXPECT_EQ(doubleText(0.0), QStringLiteral("0"));
  EXPECT_EQ(doubleText(3.0), QStringLiteral("3"));
  EXPECT_EQ(doubleText(0.1), QStringLiteral("0.1"));
  EXPECT_EQ(doubleText(1e-5), QStringLiteral("1E-05"));
  EXPECT_EQ(doubleText(1e15), QStringLiteral("1E+15"));
  EXPECT_EQ(doubleText(123456789012345.0), QStringLiteral("123456789012345"));
  EXPECT_EQ(doubleText(6.28318023681640625), QStringLiteral("6.28318023681641"));
}

TEST(Numbers, FifteenDigitRoundTrip) {
  ScopedNumberFormat english({u'.', u','});
  // Draw-like angles and awkward magnitudes all come back to the same 15 digits.
  for (double v : {6.28318023681640625 * 0.123456789, 1.0 / 3.0, 2.0 / 3.0 * 1e-7, 9.99999999999999e14,
                   -4.5e300, 5e-324, std::numeric_limits<double>::max(), 0.0000999999999999999}) {
    const QString text = doubleText(v);
    ASSERT_TRUE(isNumeric(text)) << text.toStdString();
    EXPECT_EQ(doubleText(toDouble(text)), text);
    EXPECT_NEAR(toDouble(text), v, std::abs(v) * 1e-14) << text.toStdString();
    EXPECT_NEAR(toDouble(doubleText(-v)), -v, std::abs(v) * 1e-14);
  }
}

}  // namespace
}  // namespace pelorin
