#include "platform/numbers.h"

#include <locale.h>

#include <QLocale>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>

#include "platform/failure.h"

namespace pelorin {

namespace {

std::optional<NumberFormat>& overrideFormat() {
  static std::optional<NumberFormat> format;
  return format;
}

// The digit's ASCII form, or 0 when c is no digit of format.
char digitOf(QChar c, const NumberFormat& format) {
  if (c >= u'0' && c <= u'9') return static_cast<char>(c.unicode());
  const int offset = c.unicode() - format.zero.unicode();
  return format.zero != u'0' && offset >= 0 && offset <= 9 ? static_cast<char>('0' + offset) : '\0';
}
bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

// strtod in the C locale, whatever locale the process runs in.
double strtodC(const char* text, char** end) {
  static locale_t cLocale = newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(nullptr));
  return strtod_l(text, end, cLocale);
}

}  // namespace

NumberFormat numberFormatOf(const QLocale& locale) {
  NumberFormat format;
  const QString decimal = locale.decimalPoint();
  const QString group = locale.groupSeparator();
  const QString zero = locale.zeroDigit();
  if (decimal.size() == 1) format.decimal = decimal.front();
  if (group.size() == 1) format.group = group.front();
  if (zero.size() == 1 && zero.front().digitValue() == 0) format.zero = zero.front();
  return format;
}

NumberFormat systemNumberFormat() { return numberFormatOf(QLocale::system()); }

NumberFormat currentNumberFormat() {
  if (overrideFormat()) return *overrideFormat();
  static const NumberFormat system = systemNumberFormat();
  return system;
}

ScopedNumberFormat::ScopedNumberFormat(NumberFormat format)
    : hadFormat_(overrideFormat().has_value()), previous_(overrideFormat().value_or(NumberFormat{})) {
  overrideFormat() = format;
}

ScopedNumberFormat::~ScopedNumberFormat() {
  if (hadFormat_) overrideFormat() = previous_;
  else overrideFormat().reset();
}

ParsedNumber parseNumber(QStringView text, const NumberFormat& format) {
  const ParsedNumber notNumeric{ParseStatus::NotNumeric, 0.0};
  qsizetype i = 0;
  qsizetype end = text.size();
  while (i < end && isBlank(text[i])) ++i;
  while (end > i && isBlank(text[end - 1])) --end;

  std::string ascii;
  ascii.reserve(static_cast<std::size_t>(end - i) + 1);
  // Appends the run of digits at i; returns how many.
  const auto takeDigits = [&] {
    const qsizetype from = i;
    while (i < end && digitOf(text[i], format) != '\0') ascii += digitOf(text[i++], format);
    return static_cast<int>(i - from);
  };
  if (i < end && (text[i] == u'+' || text[i] == u'-')) ascii += static_cast<char>(text[i++].unicode());

  const qsizetype integerStart = i;
  int digits = takeDigits();
  const bool grouping = !format.group.isNull() && format.group != format.decimal;
  if (grouping && i < end && text[i] == format.group) {
    // Only proper groups: "1,000" is a thousand, "1,5" and "0,500" no number.
    if (digits == 0 || digits > 3 || digitOf(text[integerStart], format) == '0') return notNumeric;
    while (i < end && text[i] == format.group) {
      ++i;
      if (takeDigits() != 3) return notNumeric;
      digits += 3;
    }
  }
  if (i < end && text[i] == format.decimal) {
    ascii += '.';
    ++i;
    digits += takeDigits();
  }
  if (digits == 0) return notNumeric;
  if (i < end && (text[i] == u'e' || text[i] == u'E')) {
    ascii += 'e';
    ++i;
    if (i < end && (text[i] == u'+' || text[i] == u'-')) ascii += static_cast<char>(text[i++].unicode());
    if (takeDigits() == 0) return notNumeric;
  }
  if (i != end) return notNumeric;

  char* stop = nullptr;
  const double value = strtodC(ascii.c_str(), &stop);
  if (std::isinf(value)) return {ParseStatus::OutOfRange, 0.0};
  return {ParseStatus::Ok, value};  // an underflow to zero or a subnormal is a value
}

ParsedNumber parseNumber(QStringView text) { return parseNumber(text, currentNumberFormat()); }

bool isNumeric(QStringView text) { return parseNumber(text).status == ParseStatus::Ok; }

ParsedNumber parseTypedNumber(QStringView text) {
  const NumberFormat user = currentNumberFormat();
  ParsedNumber parsed = parseNumber(text, user);
  if (parsed.status == ParseStatus::NotNumeric && user.decimal != u'.' && user.decimal != u',')
    parsed = parseNumber(text, NumberFormat{u'.', QChar(), user.zero});
  return parsed;
}

bool isTypedNumber(QStringView text) { return parseTypedNumber(text).status == ParseStatus::Ok; }

double toDouble(QStringView text, NumberReader read) {
  const ParsedNumber parsed = read(text);
  switch (parsed.status) {
    case ParseStatus::Ok: return parsed.value;
    case ParseStatus::OutOfRange: throw Failure(FailureKind::Overflow);
    case ParseStatus::NotNumeric: break;
  }
  throw Failure(FailureKind::TypeMismatch);
}

std::int16_t toInt16(QStringView text, NumberReader read) { return roundToInt16(toDouble(text, read)); }

Bool16 toBool16(QStringView text, NumberReader read) {
  const QStringView trimmed = text.trimmed();
  if (trimmed.compare(u"true", Qt::CaseInsensitive) == 0) return kTrue16;
  if (trimmed.compare(u"false", Qt::CaseInsensitive) == 0) return kFalse16;
  return bool16(toDouble(text, read) != 0.0);
}

std::int16_t roundToInt16(double value) {
  // nearbyint rounds half to even in the default rounding mode.
  const double rounded = std::nearbyint(value);
  if (!(rounded >= -32768.0 && rounded <= 32767.0)) throw Failure(FailureKind::Overflow);
  return static_cast<std::int16_t>(rounded);
}

std::int16_t floorToInt16(double value) {
  const double floored = std::floor(value);
  if (!(floored >= -32768.0 && floored <= 32767.0)) throw Failure(FailureKind::Overflow);
  return static_cast<std::int16_t>(floored);
}

std::int16_t checkedAdd16(std::int16_t a, std::int16_t b) {
  const int sum = int{a} + int{b};
  if (sum < -32768 || sum > 32767) throw Failure(FailureKind::Overflow);
  return static_cast<std::int16_t>(sum);
}

QString signedNumberText(long long value) {
  return value < 0 ? QString::number(value) : QLatin1Char(' ') + QString::number(value);
}

QString signedNumberText(double value) {
  if (value == 0.0) return QStringLiteral(" 0");  // no "-0"
  return value < 0 ? doubleText(value) : QLatin1Char(' ') + doubleText(value);
}

QString plainNumberText(long long value) { return QString::number(value); }

QString doubleText(double value) { return doubleText(value, currentNumberFormat().decimal); }

QString doubleText(double value, QChar decimal) {
  if (value == 0.0) return QStringLiteral("0");  // no "-0"
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  QString text = QString::fromLatin1(buffer, result.ptr - buffer);
  if (std::abs(value) > 1.79769313486231e308) {
    // Rounding to 15 digits would pass the largest double; keep it readable.
    text = value < 0 ? QStringLiteral("-1.79769313486231e+308") : QStringLiteral("1.79769313486231e+308");
  }
  const qsizetype e = text.indexOf(u'e');
  if (e >= 0) {
    // "1e-05" -> "1E-05"
    text[e] = u'E';
  }
  text.replace(u'.', decimal);
  return text;
}

}  // namespace pelorin
