#include "cli/code_files.h"

#include "genetics/gene_sequence.h"
#include "platform/file_access.h"

namespace pelorin::cli {

void ReadCodeFile(const QString& path, clsGenSeq& code) {
  RequireRegularFile(path);
  code.LoadExisting(path, 0.0);  // gone since the check: a FileSystem failure
}

}  // namespace pelorin::cli
