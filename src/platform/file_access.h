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

// File names as the system takes them: bytes, which need not be UTF-8.
// DecodeFileName keeps every byte: valid UTF-8 gives its characters, any
// other byte b the lone surrogate U+DC00 + b. EncodeFileName gives those
// bytes back, and for any other text its UTF-8 (as QFile::encodeName does).
QString DecodeFileName(const QByteArray& bytes);
QByteArray EncodeFileName(const QString& name);

// Writes content as the whole file path, as cp and editors do. A regular
// file or a new name gets a temporary file in the same folder, which
// replaces it only when every byte has been written and flushed; on failure
// the old file is untouched. A symbolic link has the file it ends in
// replaced so (or made, if it is missing) and stays a link. Where the folder
// allows no temporary file but the file itself is writable, it is
// overwritten in place (and a failure then may leave it partly written).
// Anything else that exists (a device, a named pipe) is written into, never
// replaced; opening a pipe waits for its reader. Fails with FileSystem
// naming the path and the reason.
void WriteFileAtomically(const QString& path, const QByteArray& content);

}  // namespace pelorin
