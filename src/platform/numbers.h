#pragma once

#include <QChar>
#include <QString>
#include <QStringView>
#include <cstdint>

class QLocale;

namespace pelorin {

// Booleans are held in 16 bits: true is -1 (all bits set), false is 0.
using Bool16 = std::int16_t;
inline constexpr Bool16 kTrue16 = -1;
inline constexpr Bool16 kFalse16 = 0;
constexpr Bool16 bool16(bool value) { return value ? kTrue16 : kFalse16; }

// The user's number settings: the decimal and group separators. A null
// group separator (QChar()) stands for numbers written without groups.
// Digits are ASCII, and the ten from zero on where zero is another digit
// (U+06F0 in Persian).
struct NumberFormat {
  QChar decimal = u'.';
  QChar group = u',';
  QChar zero = u'0';
};

// The separators and digits of a locale.
NumberFormat numberFormatOf(const QLocale& locale);
// Those of the system locale (in the C locale: '.', ',' and '0').
NumberFormat systemNumberFormat();
// The separators every conversion below uses; the system's unless replaced.
NumberFormat currentNumberFormat();

// Test seam: replaces the separators while alive.
class ScopedNumberFormat {
 public:
  explicit ScopedNumberFormat(NumberFormat format);
  ~ScopedNumberFormat();
  ScopedNumberFormat(const ScopedNumberFormat&) = delete;
  ScopedNumberFormat& operator=(const ScopedNumberFormat&) = delete;

 private:
  bool hadFormat_;
  NumberFormat previous_;
};

enum class ParseStatus { Ok, NotNumeric, OutOfRange };
struct ParsedNumber {
  ParseStatus status;
  double value;  // valid when status is Ok
};

// The one numeric parser behind the numeric test and every text-to-number
// conversion, so they always agree. Accepts, with blanks around it: an
// optional sign; digits (ASCII or the format's own), either plain or in
// proper groups (a first group of 1 to 3 digits not starting with 0, then
// group separators each followed by exactly 3 digits: "1,000",
// "1.234.567,5"); an optional decimal separator with digits; an optional
// exponent (e or E). So a number written with the other common decimal
// separator is no number rather than a different one ("1.5707963" under ','
// decimals). A number beyond the double range is OutOfRange; one too small
// underflows towards 0.
ParsedNumber parseNumber(QStringView text, const NumberFormat& format);
// In the current format.
ParsedNumber parseNumber(QStringView text);

// The locale-aware numeric test: true exactly when parseNumber gives Ok.
bool isNumeric(QStringView text);

// A number as the user types it (the rate box, --rate): parseNumber in the
// current format; where its decimal separator is neither '.' nor ',', also
// with '.' and no group separators, the form files are written in there.
ParsedNumber parseTypedNumber(QStringView text);
// True exactly when parseTypedNumber gives Ok.
bool isTypedNumber(QStringView text);

// How the conversions below read a number: parseNumber in the current
// format, unless a caller that knows more about its text passes another.
using NumberReader = ParsedNumber (*)(QStringView text);

// Text to double. Fails with TypeMismatch (not numeric) or Overflow.
double toDouble(QStringView text, NumberReader read = parseNumber);

// Text to 16-bit integer, rounded half to even. Fails with TypeMismatch or
// Overflow (outside -32768..32767).
std::int16_t toInt16(QStringView text, NumberReader read = parseNumber);

// Text to boolean: "True"/"False" in any letter case, or a number (0 is
// false, anything else true). Fails with TypeMismatch or Overflow.
Bool16 toBool16(QStringView text, NumberReader read = parseNumber);

// Double to 16-bit integer, rounded half to even; Overflow outside the range
// (NaN included).
std::int16_t roundToInt16(double value);

// Double to 16-bit integer, rounded down; Overflow outside the range.
std::int16_t floorToInt16(double value);

// 16-bit addition; Overflow instead of wrapping.
std::int16_t checkedAdd16(std::int16_t a, std::int16_t b);

// " 5" and "-5": a blank holds the place of the sign of a non-negative number.
QString signedNumberText(long long value);
QString signedNumberText(double value);
// "5" and "-5": the digits alone.
QString plainNumberText(long long value);

// At most 15 significant digits, trailing zeros dropped, no separator for a
// whole number, exponent form ("1E-05", "1E+15") below 1e-4 or from 1e15 on,
// the given (by default the current) decimal separator; negative zero is
// "0". parseNumber reads it back to the same digits.
QString doubleText(double value);
QString doubleText(double value, QChar decimal);

}  // namespace pelorin
