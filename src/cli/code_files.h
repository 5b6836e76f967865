#pragma once

#include <QString>

namespace pelorin {
class clsGenSeq;
}

namespace pelorin::cli {

// Reads the genetic code file path into code as Open reads an existing file,
// at mutation rate 0, so code holds the file's own genes. Fails with
// FileSystem naming path when path is not a regular file (where Open would
// breed instead), otherwise as LoadExisting fails.
void ReadCodeFile(const QString& path, clsGenSeq& code);

}  // namespace pelorin::cli
