#include "platform/failure.h"

#include <QCoreApplication>

namespace pelorin {

namespace {

QString quoted(const QString& path) { return path.isEmpty() ? QString() : QStringLiteral("\"%1\"").arg(path); }

}  // namespace

QString kindText(FailureKind kind) {
  switch (kind) {
    case FailureKind::Overflow: return QCoreApplication::translate("pelorin::Failure", "Overflow");
    case FailureKind::SubscriptOutOfRange:
      return QCoreApplication::translate("pelorin::Failure", "Subscript out of range");
    case FailureKind::TypeMismatch: return QCoreApplication::translate("pelorin::Failure", "Type mismatch");
    case FailureKind::InputPastEndOfFile:
      return QCoreApplication::translate("pelorin::Failure", "Input past end of file");
    case FailureKind::FileSystem: return QCoreApplication::translate("pelorin::Failure", "File access error");
    case FailureKind::Arithmetic:
      return QCoreApplication::translate("pelorin::Failure", "Invalid arithmetic operation");
    case FailureKind::NoGeneticCode: return QCoreApplication::translate("pelorin::Failure", "No Pelorin genetic code");
  }
  return QCoreApplication::translate("pelorin::Failure", "Unknown failure");
}

Failure::Failure(FailureKind kind, QString path, QString reason)
    : kind_(kind), path_(std::move(path)), reason_(std::move(reason)), source_(quoted(path_)) {
  what_ = message().toStdString();
}

Failure& Failure::withPath(const QString& path) {
  if (source_.isEmpty()) {
    path_ = path;
    source_ = quoted(path);
    what_ = message().toStdString();
  }
  return *this;
}

Failure& Failure::within(const QString& text) {
  if (source_.isEmpty()) {
    source_ = text;
    what_ = message().toStdString();
  }
  return *this;
}

Failure& Failure::at(int line, const QString& detail) {
  if (line_ == 0 && line > 0) {
    line_ = line;
    detail_ = detail;
    what_ = message().toStdString();
  }
  return *this;
}

QString Failure::kindText() const { return pelorin::kindText(kind_); }

QString Failure::message() const {
  if (kind_ == FailureKind::NoGeneticCode && line_ == 0 && !source_.isEmpty()) {
    return reason_.isEmpty()
               ? QCoreApplication::translate("pelorin::Failure", "%1 holds no Pelorin genetic code.").arg(source_)
               : QCoreApplication::translate("pelorin::Failure", "%1 holds no readable Pelorin genetic code: %2.")
                     .arg(source_, reason_);
  }
  QString text = kindText();
  const QString line = QString::number(line_);
  if (line_ > 0) {
    text = source_.isEmpty()
               ? QCoreApplication::translate("pelorin::Failure", "%1 in line %2").arg(text, line)
               : QCoreApplication::translate("pelorin::Failure", "%1 in line %2 of %3").arg(text, line, source_);
    if (!detail_.isEmpty()) text += QStringLiteral(": %1").arg(detail_);
  } else if (!source_.isEmpty()) {
    text = QCoreApplication::translate("pelorin::Failure", "%1 in %2").arg(text, source_);
  }
  if (!reason_.isEmpty()) text += QStringLiteral(": %1").arg(reason_);
  return text;
}

const char* Failure::what() const noexcept { return what_.c_str(); }

}  // namespace pelorin
