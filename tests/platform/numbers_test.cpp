#include "platform/numbers.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <cmath>
#include <limits>
#include <tuple>
#include <utility>

#include "platform/failure.h"
#include "support/failure_of.h"

namespace pelorin {
namespace {

using testing::failureOf;

class EnglishFormat : public ::testing::Test {
 protected:
  ScopedNumberFormat english_{{u'.', u','}};
};

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

TEST_F(EnglishFormat, NumericTestAndConversionAgree) {
  const std::pair<const char*, double> numbers[] = {
      {" 0", 0.0},   {"1,000", 1000.0}, {"-3", -3.0},     {"+7", 7.0},     {"  2.5  ", 2.5},
      {".25", 0.25}, {"5.", 5.0},       {"1E-05", 1e-05}, {"1e+15", 1e15}, {"1,234,567.5", 1234567.5}};
  for (auto [number, value] : numbers) {
    EXPECT_TRUE(isNumeric(text(number))) << number;
    EXPECT_EQ(toDouble(text(number)), value) << number;
  }
  for (const char* other : {"", "   ", "abc", "1,", ",1", "1..2", "1e", "-", "1 2", "0x10", "inf", "nan", "١"}) {
    EXPECT_FALSE(isNumeric(text(other))) << other;
    EXPECT_EQ(failureOf([&] { toDouble(text(other)); }), FailureKind::TypeMismatch) << other;
  }
  EXPECT_FALSE(isNumeric(u"1e999"));
  EXPECT_EQ(failureOf([] { toDouble(u"-1e999"); }), FailureKind::Overflow);
  EXPECT_EQ(toDouble(u"1e-999"), 0.0);
}

TEST(Numbers, GermanSeparatorsSwapRoles) {
  ScopedNumberFormat german({u',', u'.'});
  EXPECT_EQ(toDouble(u"1.000,5"), 1000.5);
  EXPECT_EQ(doubleText(0.25), QStringLiteral("0,25"));
}

constexpr NumberFormat kEnglish{u'.', u','};
constexpr NumberFormat kGerman{u',', u'.'};
constexpr NumberFormat kFrench{u',', u'\u202f'};  // narrow no-break space
constexpr NumberFormat kPersian{u'\u066b', u'\u066c'};
constexpr NumberFormat kCommaNoGroups{u',', QChar()};

// Group separators only in proper groups, so that a number in the other
// common decimal form is refused instead of read as a different number.
TEST(Numbers, GroupSeparatorsOnlyInProperGroups) {
  const std::tuple<NumberFormat, const char*, double> numbers[] = {
      {kFrench, "1\u202f000,5", 1000.5}, {kPersian, "1\u066c234\u066b5", 1234.5}, {kCommaNoGroups, "1,000", 1.0}};
  for (const auto& [format, number, value] : numbers) {
    ScopedNumberFormat scoped(format);
    EXPECT_TRUE(isNumeric(text(number))) << number;
    EXPECT_EQ(toDouble(text(number)), value) << number;
  }
  const std::pair<NumberFormat, const char*> others[] = {
      {kEnglish, "1,5"},    {kEnglish, "0,500"},   {kEnglish, "1234,567"},       {kEnglish, "1,0000"},
      {kEnglish, "1,000,"}, {kEnglish, "1.000,5"}, {kGerman, "1.5707963267949"}, {kGerman, "0.500"},
      {kFrench, "1 000"},   {kPersian, "1.5"},     {kCommaNoGroups, "1.000"}};
  for (const auto& [format, other] : others) {
    ScopedNumberFormat scoped(format);
    EXPECT_FALSE(isNumeric(text(other))) << other;
    EXPECT_EQ(failureOf([&] { toDouble(text(other)); }), FailureKind::TypeMismatch) << other;
  }
}

// The rate box as German and French users type in it, with the separators
// their locales give: the decimal comma, never the point (a group separator
// to one, no separator at all to the other).
class TypedRate : public ::testing::TestWithParam<const char*> {};

TEST_P(TypedRate, TakesTheDecimalCommaAndRefusesThePoint) {
  ScopedNumberFormat scoped(numberFormatOf(QLocale(QString::fromLatin1(GetParam()))));
  EXPECT_FALSE(isTypedNumber(u"1.5"));
  EXPECT_EQ(failureOf([] { toDouble(u"1.5", parseTypedNumber); }), FailureKind::TypeMismatch);
  EXPECT_TRUE(isTypedNumber(u"1,5"));
  EXPECT_EQ(toDouble(u"1,5", parseTypedNumber), 1.5);
}

INSTANTIATE_TEST_SUITE_P(Locales, TypedRate, ::testing::Values("de_DE", "fr_FR"));

TEST(Numbers, DoubleTextTakesTheGivenSeparatorAndNeverWritesMinusZero) {
  ScopedNumberFormat persian(kPersian);
  EXPECT_EQ(doubleText(-0.0), QStringLiteral("0"));
  EXPECT_EQ(doubleText(-1.5), QString::fromUtf8("-1\u066b5"));
  EXPECT_EQ(doubleText(-1.5, u','), QStringLiteral("-1,5"));
}

TEST_F(EnglishFormat, TextToInt16RoundsHalfToEvenWithinRange) {
  const std::pair<const char*, int> numbers[] = {{"2.5", 2},      {"3.5", 4},       {"-2.5", -2},
                                                 {"-3.5", -4},    {"0.5", 0},       {"2.4999", 2},
                                                 {"1,000", 1000}, {"32767", 32767}, {"-32768.5", -32768}};
  for (auto [number, value] : numbers) EXPECT_EQ(toInt16(text(number)), value) << number;
  for (const char* beyond : {"32767.5", "32768", "-32769", "1e999"})
    EXPECT_EQ(failureOf([&] { toInt16(text(beyond)); }), FailureKind::Overflow) << beyond;
  for (const char* other : {"", "abc"})
    EXPECT_EQ(failureOf([&] { toInt16(text(other)); }), FailureKind::TypeMismatch) << other;
}

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

TEST_F(EnglishFormat, TextToBoolean) {
  for (const char16_t* yes : {u"True", u"true", u"-1", u"0.25"}) EXPECT_EQ(toBool16(yes), kTrue16);
  for (const char16_t* no : {u"FALSE", u"0"}) EXPECT_EQ(toBool16(no), kFalse16);
  for (const char16_t* neither : {u"yes", u""})
    EXPECT_EQ(failureOf([&] { toBool16(neither); }), FailureKind::TypeMismatch);
}

TEST_F(EnglishFormat, NumberTextFormsAndFifteenDigitRoundTrip) {
  EXPECT_EQ(signedNumberText(0LL), QStringLiteral(" 0"));
  EXPECT_EQ(signedNumberText(12LL), QStringLiteral(" 12"));
  EXPECT_EQ(signedNumberText(-5LL), QStringLiteral("-5"));
  EXPECT_EQ(signedNumberText(0.0), QStringLiteral(" 0"));
  EXPECT_EQ(plainNumberText(-5), QStringLiteral("-5"));
  EXPECT_EQ(doubleText(3.0), QStringLiteral("3"));
  EXPECT_EQ(doubleText(0.1), QStringLiteral("0.1"));
  EXPECT_EQ(doubleText(1e-5), QStringLiteral("1E-05"));
  EXPECT_EQ(doubleText(1e15), QStringLiteral("1E+15"));
  EXPECT_EQ(doubleText(123456789012345.0), QStringLiteral("123456789012345"));
  EXPECT_EQ(doubleText(6.28318023681640625), QStringLiteral("6.28318023681641"));
  for (double v : {6.28318023681640625 * 0.123456789, 1.0 / 3.0, 2.0 / 3.0 * 1e-7, 9.99999999999999e14, -4.5e300,
                   5e-324, std::numeric_limits<double>::max(), 0.0000999999999999999}) {
    const QString text = doubleText(v);
    ASSERT_TRUE(isNumeric(text)) << text.toStdString();
    EXPECT_EQ(doubleText(toDouble(text)), text);
    EXPECT_NEAR(toDouble(text), v, std::abs(v) * 1e-14) << text.toStdString();
  }
}

}  // namespace
}  // namespace pelorin
