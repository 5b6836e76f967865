#include "cli/command_line.h"

#include <QCoreApplication>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/failure.h"
#include "platform/file_access.h"

namespace pelorin::cli {

namespace {

const QString kEndOfOptions = QStringLiteral("--");

// File names in text come out as the bytes they were given as.
void printLine(std::FILE* stream, const QString& text) {
  std::fputs(EncodeFileName(text).constData(), stream);
  std::fputc('\n', stream);
}

// Prints text to standard output; false, with errno set, when it could not
// be written (a full disk, a closed pipe).
bool printOut(const QString& text) {
  errno = 0;
  const bool written = std::fputs(EncodeFileName(text).constData(), stdout) >= 0;
  return std::fflush(stdout) == 0 && written && std::ferror(stdout) == 0;
}

}  // namespace

CommandLine::CommandLine(const QStringList& arguments, const QStringList& valueOptions, const QStringList& flags) {
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    if (argument == kEndOfOptions) {
      operands_ += arguments.mid(i + 1);
      return;
    }
    if (!argument.startsWith(u'-') || argument == QStringLiteral("-")) {
      operands_ += argument;
      continue;
    }
    const qsizetype equals = argument.startsWith(kEndOfOptions) ? argument.indexOf(u'=') : -1;
    const QString name = equals < 0 ? argument : argument.left(equals);
    if (flags.contains(name)) {
      if (equals >= 0) throw UsageError(QStringLiteral("option %1 takes no value").arg(name));
      given_ += name;
      values_ += QString();
    } else if (valueOptions.contains(name)) {
      if (equals < 0 && i + 1 >= arguments.size()) {
        throw UsageError(QStringLiteral("option %1 needs a value").arg(name));
      }
      given_ += name;
      values_ += equals >= 0 ? argument.mid(equals + 1) : arguments[++i];
    } else {
      throw UsageError(QStringLiteral("unknown option %1").arg(name));
    }
  }
}

bool CommandLine::has(const QString& option) const { return given_.contains(option); }

std::optional<QString> CommandLine::value(const QString& option) const {
  const qsizetype at = given_.lastIndexOf(option);
  if (at < 0) return std::nullopt;
  return values_[at];
}

qlonglong WholeNumberOption(const QString& option, const QString& text, qlonglong low, qlonglong high) {
  bool ok = false;
  const qlonglong number = text.toLongLong(&ok, 10);
  if (!ok || number < low || number > high) {
    throw UsageError(
        QStringLiteral("%1 takes a whole number from %2 to %3, not \"%4\"").arg(option).arg(low).arg(high).arg(text));
  }
  return number;
}

int RunProgram(const ProgramInfo& program, int argc, char** argv,
               const std::function<void(const QStringList& arguments)>& body) {
  const QString name = QString::fromLatin1(program.name);
  // PNG and SVG need no plugin: without this, writing an image would look
  // through and load every image format plugin first, which costs more
  // than the whole rest of a run.
  QCoreApplication::setLibraryPaths({});
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments += DecodeFileName(QByteArray(argv[i]));
  for (const QString& argument : arguments) {
    if (argument == kEndOfOptions) break;
    const bool help = argument == QStringLiteral("--help");
    if (!help && argument != QStringLiteral("--version")) continue;
    if (printOut(help ? program.help : QStringLiteral("%1 %2\n").arg(name, QStringLiteral(PELORIN_VERSION)))) return 0;
    const int error = errno != 0 ? errno : EIO;
    printLine(stderr, QStringLiteral("%1: write error: %2").arg(name, QString::fromLocal8Bit(std::strerror(error))));
    return 1;
  }
  try {
    body(arguments);
    return 0;
  } catch (const UsageError& error) {
    printLine(stderr, QStringLiteral("%1: %2").arg(name, error.message()));
    printLine(stderr, QStringLiteral("Try '%1 --help' for more information.").arg(name));
    return 2;
  } catch (const Failure& failure) {
    printLine(stderr, QStringLiteral("%1: %2").arg(name, failure.message()));
  } catch (const std::exception& error) {
    printLine(stderr, QStringLiteral("%1: %2").arg(name, QString::fromLocal8Bit(error.what())));
  }
  return 1;
}

}  // namespace pelorin::cli
