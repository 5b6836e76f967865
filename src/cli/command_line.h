#pragma once

#include <QString>
#include <QStringList>
#include <exception>
#include <functional>
#include <optional>

namespace pelorin::cli {

// A command line the program cannot act on. The program ends with status 2.
class UsageError : public std::exception {
 public:
  explicit UsageError(QString message) : message_(std::move(message)) {}
  const QString& message() const noexcept { return message_; }
  const char* what() const noexcept override { return "usage error"; }

 private:
  QString message_;
};

// The arguments after the program's name, split into options and operands.
// An option that takes a value reads it from the next argument or after '='
// ("--scale 3", "--scale=3"); "--" makes every later argument an operand, as
// is a lone "-". Throws UsageError for an unknown option, a missing value, or
// a value given to a flag.
class CommandLine {
 public:
  CommandLine(const QStringList& arguments, const QStringList& valueOptions, const QStringList& flags);

  bool has(const QString& option) const;
  // The value of the option's last occurrence, if it was given.
  std::optional<QString> value(const QString& option) const;
  const QStringList& operands() const { return operands_; }

 private:
  QStringList given_;  // option names in order, with their values beside
  QStringList values_;
  QStringList operands_;
};

// What a program says about itself.
struct ProgramInfo {
  const char* name;  // "pelorin-render"
  QString help;      // the whole --help text
};

// Runs body with the program's arguments (DecodeFileName: every byte kept)
// and returns the exit status: 0 when it returns; 1 when it throws a Failure
// or another exception, with one line "name: message" on standard error (the
// message in the desktop program's words, file names as their bytes); 2 for
// a UsageError, with the message and a pointer to --help. "--help" and
// "--version" before any "--" print to standard output and give 0 without
// running body, or 1 with "name: write error: reason" when the output cannot
// be written.
int RunProgram(const ProgramInfo& program, int argc, char** argv,
               const std::function<void(const QStringList& arguments)>& body);

// A whole number from low to high, or UsageError naming the option.
qlonglong WholeNumberOption(const QString& option, const QString& text, qlonglong low, qlonglong high);

}  // namespace pelorin::cli
