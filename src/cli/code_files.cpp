#include "cli/code_files.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "genetics/gene_sequence.h"
#include "platform/failure.h"
#include "platform/file_access.h"

namespace pelorin::cli {

RateBox::RateBox(QString rateText) : rateText_(std::move(rateText)), previous_(mainWindowBoxes()) {
  setMainWindowBoxes(this);
}

RateBox::~RateBox() { setMainWindowBoxes(previous_); }

void ReadCodeFile(const QString& path, clsGenSeq& code) {
  if (!FileExists(path)) {
    struct stat status {};
    QString reason = QStringLiteral("Not a regular file");
    if (::stat(EncodeFileName(path).constData(), &status) != 0) reason = QString::fromLocal8Bit(std::strerror(errno));
    else if (S_ISDIR(status.st_mode)) reason = QString::fromLocal8Bit(std::strerror(EISDIR));
    throw Failure(FailureKind::FileSystem, path, reason);
  }
  const RateBox unmutated(QStringLiteral("0"));
  code.LoadExisting(path);  // gone since the check: a FileSystem failure
}

}  // namespace pelorin::cli
