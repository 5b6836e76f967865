#include "cli/code_files.h"

#include <sys/stat.h>

#include "genetics/gene_sequence.h"
#include "platform/file_access.h"

namespace pelorin::cli {

void ReadCodeFile(const QString& path, clsGenSeq& code) {
  RequireRegularFile(path);
  code.LoadExisting(path, 0.0);  // gone since the check: a FileSystem failure
}

bool SameFile(const QString& a, const QString& b) {
  struct stat first {};
  struct stat second {};
  return ::stat(EncodeFileName(a).constData(), &first) == 0 && ::stat(EncodeFileName(b).constData(), &second) == 0 &&
         first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

}  // namespace pelorin::cli
