#pragma once

#include <QString>
#include <exception>
#include <string>

namespace pelorin {

// What went wrong. Every failing operation throws exactly one Failure; it
// travels unchanged up to the event handler that started the work.
enum class FailureKind {
  Overflow,             // a result outside its type (16-bit integers, doubles)
  SubscriptOutOfRange,  // a gene or segment number outside 0..63
  TypeMismatch,         // text that is not what its conversion accepts
  InputPastEndOfFile,   // a read after the last line of a file
  FileSystem,           // a file could not be opened, read or written
  Arithmetic,           // an invalid floating-point operation
  NoGeneticCode,        // a picture file (PNG, SVG) that carries no readable genetic code
};

class Failure : public std::exception {
 public:
  explicit Failure(FailureKind kind, QString path = {}, QString reason = {});

  FailureKind kind() const noexcept { return kind_; }
  // The file involved, if any.
  const QString& path() const noexcept { return path_; }
  // Why the file system refused, if it did ("No such file or directory").
  const QString& reason() const noexcept { return reason_; }

  // Attaches the file involved, unless a file or text is already named.
  Failure& withPath(const QString& path);
  // Names text that did not come from a file ("the clipboard text"), unless a
  // file or text is already named. Shown unquoted where a path would be.
  Failure& within(const QString& text);
  // Attaches where in the file it happened, unless a line is already known:
  // line counted from 1, detail naming what the line holds ("ColorRed of
  // gene 4"). A line below 1 attaches nothing.
  Failure& at(int line, const QString& detail);

  // The line of the file, counted from 1; 0 when unknown.
  int line() const noexcept { return line_; }
  // What the line holds, if known.
  const QString& detail() const noexcept { return detail_; }

  // The kind's short text, in the user's language: "Overflow", "Type mismatch", ...
  QString kindText() const;
  // One line for the user, in their language: the kind, then the file and the
  // reason if known.
  // With a known line: Type mismatch in line 36 of "pic.txt": ColorRed of gene 4
  // or, for a text: Type mismatch in line 36 of the clipboard text: ...
  // NoGeneticCode is a sentence of its own: "holiday.png" holds no Pelorin
  // genetic code. With a reason (a damaged chunk, XML that is not
  // well-formed): "sunset.png" holds no readable Pelorin genetic code: reason.
  QString message() const;

  const char* what() const noexcept override;

 private:
  FailureKind kind_;
  QString path_;
  QString reason_;
  QString source_;  // as the message names it: the file quoted, or the text
  int line_ = 0;
  QString detail_;
  std::string what_;
};

QString kindText(FailureKind kind);

}  // namespace pelorin
