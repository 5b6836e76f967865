#pragma once

#include <QByteArray>
#include <QString>
#include <fstream>
#include <istream>

namespace pelorin {

// True only when path names a regular file, or a link to one. A folder, a
// FIFO, a device, a dangling link or an empty name give false. Only asks for
// the file's status, so it never blocks on a FIFO.
bool FileExists(const QString& path);

// Returns when FileExists(path); otherwise fails with FileSystem naming path
// and why: the system's reason ("No such file or directory"), "Is a
// directory", or "Not a regular file".
void RequireRegularFile(const QString& path);

// Opens path for reading, in binary so line ends are the reader's business.
// Fails with FileSystem naming the path and the system's reason.
std::ifstream OpenForReading(const QString& path);

// Reads text lines from a stream. Bytes are decoded as Latin-1: one byte is
// one character whatever the system locale, so no byte sequence can be
// malformed, and the ASCII that the program writes reads back unchanged.
// When the stream's buffer cannot read (an I/O error, a folder opened as a
// file, a network disk gone), either operation fails with FileSystem and the
// system's reason, naming no path: the caller knows the file.
class TextStreamReader {
 public:
  // Longest line accepted, in bytes, line end not counted.
  static constexpr int kMaxLineBytes = 4096;

  explicit TextStreamReader(std::istream& in) : in_(in) {}

  // True when no byte is left to read.
  bool AtEndOfStream();
  // The next line without its line end (CR LF, or LF alone; a last line
  // without one is a line too). Fails with InputPastEndOfFile at the end,
  // with TypeMismatch for a line longer than kMaxLineBytes (stopping at the
  // limit rather than holding the line).
  QString ReadLine();

 private:
  std::istream& in_;
};

// Writes content as the whole file path. The content goes to a temporary
// file in the same folder, which replaces path only when every byte has been
// written and flushed; on failure the old file is untouched. Where the folder
// allows no temporary file but path itself is writable, path is overwritten in
// place (and a failure then may leave it partly written). Fails with
// FileSystem naming the path and the reason.
void WriteFileAtomically(const QString& path, const QByteArray& content);

}  // namespace pelorin
