#include "genetics/embedded_code.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include <QCoreApplication>
#include <QXmlStreamReader>
#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/failure.h"
#include "platform/file_access.h"

namespace pelorin {

namespace {

[[noreturn]] void unreadable(const QString& path, const QString& reason) {
  throw Failure(FailureKind::NoGeneticCode, path, reason);
}

// Bytes at offsets, from a file or from memory. read gives fewer than asked
// only at the end; a file that cannot be read fails with FileSystem.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  virtual qint64 size() const = 0;
  virtual QByteArray read(qint64 offset, qsizetype count) = 0;
};

class MemorySource final : public ByteSource {
 public:
  explicit MemorySource(const QByteArray& bytes) : bytes_(bytes) {}
  qint64 size() const override { return bytes_.size(); }
  QByteArray read(qint64 offset, qsizetype count) override {
    return offset >= bytes_.size() ? QByteArray() : bytes_.mid(offset, count);
  }

 private:
  const QByteArray& bytes_;
};

class FileSource final : public ByteSource {
 public:
  FileSource(int fd, qint64 size, const QString& path) : fd_(fd), size_(size), path_(path) {}
  ~FileSource() override { ::close(fd_); }
  FileSource(const FileSource&) = delete;
  FileSource& operator=(const FileSource&) = delete;

  qint64 size() const override { return size_; }
  QByteArray read(qint64 offset, qsizetype count) override {
    QByteArray bytes(count, Qt::Uninitialized);
    qsizetype got = 0;
    while (got < count) {
      const ssize_t n = ::pread(fd_, bytes.data() + got, static_cast<std::size_t>(count - got), offset + got);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) throw Failure(FailureKind::FileSystem, path_, QString::fromLocal8Bit(std::strerror(errno)));
      if (n == 0) break;
      got += n;
    }
    bytes.truncate(got);
    return bytes;
  }

 private:
  int fd_;
  qint64 size_;
  const QString& path_;
};

// ---- PNG ----

constexpr char kPngSignature[] = "\x89PNG\r\n\x1a\n";
constexpr qsizetype kPngSignatureBytes = 8;
constexpr qsizetype kLongestKeyword = 79;  // and its terminating NUL

quint32 bigEndian32(const char* bytes) {
  const auto* b = reinterpret_cast<const unsigned char*>(bytes);
  return quint32(b[0]) << 24 | quint32(b[1]) << 16 | quint32(b[2]) << 8 | quint32(b[3]);
}

bool isChunkType(const QByteArray& type) {
  return std::all_of(type.begin(), type.end(), [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); });
}

// The zlib stream's bytes, never more than kMaxEmbeddedCodeBytes of them.
QByteArray inflateCapped(QByteArrayView compressed, const QString& path) {
  z_stream stream{};
  if (inflateInit(&stream) != Z_OK)
    unreadable(path, QCoreApplication::translate("pelorin::EmbeddedCode", "zlib cannot start"));
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.data()));
  stream.avail_in = static_cast<uInt>(compressed.size());
  QByteArray out;
  int status = Z_OK;
  for (;;) {
    if (stream.avail_out == 0) {
      if (out.size() > kMaxEmbeddedCodeBytes) break;
      out.resize(std::min<qsizetype>(kMaxEmbeddedCodeBytes + 1, std::max<qsizetype>(16384, out.size() * 2)));
      stream.next_out = reinterpret_cast<Bytef*>(out.data()) + stream.total_out;
      stream.avail_out = static_cast<uInt>(out.size() - static_cast<qsizetype>(stream.total_out));
    }
    status = inflate(&stream, Z_NO_FLUSH);
    if (status != Z_OK) break;
  }
  const auto produced = static_cast<qsizetype>(stream.total_out);
  inflateEnd(&stream);
  if (produced > kMaxEmbeddedCodeBytes) {
    unreadable(path, QCoreApplication::translate("pelorin::EmbeddedCode", "its text chunk inflates to more than %1 KiB")
                         .arg(kMaxEmbeddedCodeBytes / 1024));
  }
  if (status != Z_STREAM_END)
    unreadable(path,
               QCoreApplication::translate("pelorin::EmbeddedCode", "its text chunk's compressed data is damaged"));
  out.truncate(produced);
  return out;
}

// The text of a tEXt, zTXt or iTXt chunk's data whose keyword ends at nul.
QByteArray chunkText(const QByteArray& type, const QByteArray& data, qsizetype nul, const QString& path) {
  const auto damaged = [&path] {
    unreadable(path, QCoreApplication::translate("pelorin::EmbeddedCode", "its text chunk is damaged"));
  };
  if (type == "tEXt") return data.mid(nul + 1);
  if (type == "zTXt") {
    if (data.size() < nul + 2 || data[nul + 1] != 0) damaged();  // compression method 0: zlib
    return inflateCapped(QByteArrayView(data).sliced(nul + 2), path);
  }
  // iTXt: compression flag and method, language tag, translated keyword, text.
  if (data.size() < nul + 3) damaged();
  const char compressed = data[nul + 1];
  const qsizetype language = data.indexOf('\0', nul + 3);
  const qsizetype translated = language < 0 ? -1 : data.indexOf('\0', language + 1);
  if (translated < 0 || (compressed != 0 && (compressed != 1 || data[nul + 2] != 0))) damaged();
  const QByteArrayView text = QByteArrayView(data).sliced(translated + 1);
  return compressed != 0 ? inflateCapped(text, path) : text.toByteArray();
}

// Walks the chunks by their 8-byte headers, seeking past their data, to the
// text chunk with our keyword; IEND ends the search.
QByteArray pngCode(ByteSource& source, const QString& path) {
  qint64 offset = kPngSignatureBytes;
  for (int chunks = 0;; ++chunks) {
    if (chunks == kMaxPngChunks)
      unreadable(path,
                 QCoreApplication::translate("pelorin::EmbeddedCode", "it has more than %1 chunks").arg(kMaxPngChunks));
    const QByteArray header = source.read(offset, 8);
    if (header.size() < 8)
      unreadable(path, QCoreApplication::translate("pelorin::EmbeddedCode", "the PNG file ends before its last chunk"));
    const quint32 length = bigEndian32(header.constData());
    const QByteArray type = header.mid(4);
    if (length > 0x7fffffffU || !isChunkType(type)) {
      unreadable(
          path, QCoreApplication::translate("pelorin::EmbeddedCode", "the PNG file is damaged at byte %1").arg(offset));
    }
    const qint64 next = offset + 8 + length + 4;  // header, data, CRC
    if (next > source.size())
      unreadable(path, QCoreApplication::translate("pelorin::EmbeddedCode", "the PNG file ends inside its %1 chunk")
                           .arg(QLatin1String(type)));
    if (type == "IEND") throw Failure(FailureKind::NoGeneticCode, path);
    if (type == "tEXt" || type == "zTXt" || type == "iTXt") {
      const QByteArray start = source.read(offset + 8, std::min<qsizetype>(length, kLongestKeyword + 1));
      const qsizetype nul = start.indexOf('\0');
      if (nul >= 0 && QByteArrayView(start).first(nul) == QByteArrayView(kPngCodeKeyword)) {
        if (length > kMaxPngTextChunkBytes) {
          unreadable(path, QCoreApplication::translate("pelorin::EmbeddedCode", "its text chunk is larger than %1 KiB")
                               .arg(kMaxPngTextChunkBytes / 1024));
        }
        QByteArray data = source.read(offset + 8, static_cast<qsizetype>(length) + 4);
        if (data.size() < static_cast<qsizetype>(length) + 4)
          unreadable(path, QCoreApplication::translate("pelorin::EmbeddedCode", "the PNG file ends early"));
        uLong crc = crc32(0L, reinterpret_cast<const Bytef*>(type.constData()), 4);
        crc = crc32(crc, reinterpret_cast<const Bytef*>(data.constData()), length);
        if (crc != bigEndian32(data.constData() + length))
          unreadable(path, QCoreApplication::translate("pelorin::EmbeddedCode", "its text chunk fails its CRC check"));
        data.truncate(length);
        return chunkText(type, data, nul, path);
      }
    }
    offset = next;
  }
}

// ---- SVG ----

// The XML document begins after an optional byte-order mark and white space.
qsizetype xmlStart(const QByteArray& head) {
  qsizetype i = head.startsWith("\xef\xbb\xbf") ? 3 : 0;
  while (i < head.size() && (head[i] == ' ' || head[i] == '\t' || head[i] == '\r' || head[i] == '\n')) ++i;
  return i < head.size() && head[i] == '<' ? i : -1;
}

constexpr QLatin1StringView kSvgNamespace("http://www.w3.org/2000/svg");

// The code from an XML document; nullopt when its root is no SVG. cut: the
// file goes on beyond document.
std::optional<QByteArray> svgCode(const QByteArray& document, bool cut, const QString& path) {
  QXmlStreamReader xml(document);
  while (!xml.atEnd() && xml.readNext() != QXmlStreamReader::StartElement) {
  }
  // Anything amiss before the root, or another root: read as a text file.
  if (xml.hasError() || xml.name() != QLatin1StringView("svg") || xml.namespaceUri() != kSvgNamespace) {
    return std::nullopt;
  }
  const QLatin1StringView codeNamespace(kSvgCodeNamespace), codeElement(kSvgCodeElement);
  int metadata = 0;  // how many metadata elements the reader is in
  int depth = 1;     // and how many elements
  while (!xml.atEnd()) {
    const QXmlStreamReader::TokenType token = xml.readNext();
    depth += token == QXmlStreamReader::StartElement ? 1 : token == QXmlStreamReader::EndElement ? -1 : 0;
    if (depth > kMaxSvgDepth)
      unreadable(path, QCoreApplication::translate("pelorin::EmbeddedCode", "its elements nest more than %1 deep")
                           .arg(kMaxSvgDepth));
    const bool isMetadata = xml.name() == QLatin1StringView("metadata") && xml.namespaceUri() == kSvgNamespace;
    if (token == QXmlStreamReader::StartElement && isMetadata) {
      ++metadata;
    } else if (token == QXmlStreamReader::EndElement && isMetadata) {
      --metadata;
    } else if (token == QXmlStreamReader::StartElement && metadata > 0 && xml.name() == codeElement &&
               xml.namespaceUri() == codeNamespace) {
      const QString text = xml.readElementText();
      if (!xml.hasError()) return text.toLatin1();
    }
  }
  if (xml.error() == QXmlStreamReader::PrematureEndOfDocumentError && cut) {
    unreadable(
        path,
        QCoreApplication::translate("pelorin::EmbeddedCode", "none in its first %1 KiB").arg(kMaxSvgBytes / 1024));
  }
  if (xml.hasError()) {
    QString why = xml.errorString();
    if (why.endsWith(u'.')) why.chop(1);  // the message's own full stop ends it
    unreadable(path, QCoreApplication::translate("pelorin::EmbeddedCode", "its XML is not well-formed in line %1: %2")
                         .arg(xml.lineNumber())
                         .arg(why));
  }
  throw Failure(FailureKind::NoGeneticCode, path);
}

constexpr qsizetype kHeadBytes = 4096;

std::optional<QByteArray> embeddedCode(ByteSource& source, const QByteArray& head, const QString& path) {
  if (head.startsWith(QByteArrayView(kPngSignature, kPngSignatureBytes))) return pngCode(source, path);
  const qsizetype start = xmlStart(head);
  if (start < 0) return std::nullopt;
  const QByteArray document = source.read(0, kMaxSvgBytes);
  return svgCode(start == 0 ? document : document.mid(start), source.size() > kMaxSvgBytes, path);
}

}  // namespace

std::optional<QByteArray> EmbeddedGeneticCode(const QByteArray& bytes, const QString& path) {
  MemorySource source(bytes);
  return embeddedCode(source, bytes.left(kHeadBytes), path);
}

std::optional<QByteArray> EmbeddedGeneticCode(const QString& path) {
  // Not blocking on a FIFO; anything but a regular file is the text
  // reader's to refuse, as is a file that cannot be opened or read.
  const int fd = ::open(EncodeFileName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  struct stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(fd);
    return std::nullopt;
  }
  FileSource source(fd, status.st_size, path);
  QByteArray head;
  try {
    head = source.read(0, kHeadBytes);
  } catch (const Failure&) {
    return std::nullopt;
  }
  return embeddedCode(source, head, path);
}

}  // namespace pelorin
