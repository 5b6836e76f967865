#pragma once

#include <QString>

namespace pelorin {
class clsGenSeq;
}

namespace pelorin::cli {

// Reads the genetic code file path into code as Open reads an existing file,
// at mutation rate 0, so code holds the file's own genes; a Pelorin PNG or
// SVG gives the code it carries. Fails with FileSystem naming path when path
// is not a regular file (where Open would breed instead), otherwise as
// LoadExisting fails (NoGeneticCode for a picture file without a code).
void ReadCodeFile(const QString& path, clsGenSeq& code);

// True when both names lead to one existing file (the same device and
// inode), whatever the names: an output that would overwrite an input.
bool SameFile(const QString& a, const QString& b);

}  // namespace pelorin::cli
