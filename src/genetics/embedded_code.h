#pragma once

// Where a picture file that Pelorin writes carries the picture's genetic
// code, byte for byte the genetic code file Save writes (GeneticCodeText),
// and how it is read back.

#include <QByteArray>
#include <QString>
#include <optional>

namespace pelorin {

// The keyword of the PNG's compressed text chunk (zTXt, or iTXt when the
// writer needs it) that holds the code.
inline constexpr char kPngCodeKeyword[] = "pelorin_genetic_code";

// In an SVG: the text of a kSvgCodeElement element of this namespace inside
// the document's <metadata>; carriage returns written as character
// references, so that an XML reader gives the bytes back unchanged.
inline constexpr char kSvgCodeNamespace[] = "https://example.org/pelorin/genetic-code/1";
inline constexpr char kSvgCodePrefix[] = "pelorin";
inline constexpr char kSvgCodeElement[] = "genetic-code";

// Limits that keep a hostile or huge file from costing time or memory: the
// largest code inflated from a PNG chunk, the largest text chunk read, how
// many chunk headers are walked (one read each), how much of an SVG is
// parsed and how deep its elements may nest. A genetic code is about 6 KB,
// the SVG of a picture about 10 KB more, nested three deep.
inline constexpr qsizetype kMaxEmbeddedCodeBytes = 1 << 20;
inline constexpr qsizetype kMaxPngTextChunkBytes = 1 << 20;
inline constexpr int kMaxPngChunks = 50000;
inline constexpr qsizetype kMaxSvgBytes = 512 << 10;
inline constexpr int kMaxSvgDepth = 256;

// A file is told by its content, never by its name: a PNG by the PNG
// signature, an SVG as an XML document whose root element is svg in the SVG
// namespace (after an optional UTF-8 byte-order mark and white space), and
// anything else is read as a genetic code text file.
//
// The genetic code a Pelorin PNG or SVG at path carries, as its bytes (as
// the genetic code file's; the SVG's text as Latin-1, characters beyond it
// as '?'). nullopt when path is read as a genetic code text file: neither a
// PNG nor an SVG, or no regular file, or one that cannot be opened (the
// caller's own read of the file then says why, as it always did). For a PNG
// only chunk headers and text chunks are read, never the image data.
// Fails, naming path:
// - NoGeneticCode without a reason when a well-formed PNG or SVG carries no
//   code of ours;
// - NoGeneticCode with a reason for one whose code cannot be had: a chunk
//   with a bad CRC, a zlib stream that does not inflate or inflates beyond
//   kMaxEmbeddedCodeBytes, a PNG that ends early or is damaged, XML that is
//   not well-formed (entity expansion is capped: a bomb is such) or nested
//   deeper than kMaxSvgDepth, no code in the SVG's first kMaxSvgBytes;
// - FileSystem when the file cannot be read once it is known to be a
//   picture.
std::optional<QByteArray> EmbeddedGeneticCode(const QString& path);

// The same for a file's bytes already in memory, named path in failures
// (what is beyond kMaxSvgBytes of an SVG is not parsed).
std::optional<QByteArray> EmbeddedGeneticCode(const QByteArray& bytes, const QString& path);

}  // namespace pelorin
