#pragma once

// Where a picture file that Pelorin writes carries the picture's genetic
// code, byte for byte the genetic code file Save writes (GeneticCodeText).

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

}  // namespace pelorin
