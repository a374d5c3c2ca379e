#include "report/SafeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "core/numbers/RuntimeError.h"

namespace zb {

namespace {

[[noreturn]] void RaiseFileError(int errnoValue) { Raise(FileErrorNumber(errnoValue)); }

// Removes the temporary file unless it was renamed into place.
class TemporaryFile {
 public:
  explicit TemporaryFile(const std::filesystem::path& beside) : path_(beside.string() + ".XXXXXX") {
    fd_ = mkstemp(path_.data());
    if (fd_ < 0) RaiseFileError(errno);
  }
  ~TemporaryFile() {
    if (fd_ >= 0) close(fd_);
    if (!committed_) unlink(path_.c_str());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  void Write(std::string_view bytes) {
    while (!bytes.empty()) {
      const ssize_t written = write(fd_, bytes.data(), bytes.size());
      if (written < 0 && errno == EINTR) continue;
      if (written <= 0) RaiseFileError(written < 0 ? errno : ENOSPC);
      bytes.remove_prefix(static_cast<std::size_t>(written));
    }
  }

  // Everything on disk and closed, then renamed over the target.
  void CommitAs(const std::filesystem::path& target) {
    // The report is a normal user file: readable as umask allows, not 0600.
    const mode_t mask = umask(0);
    umask(mask);
    if (fchmod(fd_, 0666 & ~mask) != 0) RaiseFileError(errno);
    if (fsync(fd_) != 0) RaiseFileError(errno);
    const int fd = fd_;
    fd_ = -1;
    if (close(fd) != 0) RaiseFileError(errno);
    if (std::rename(path_.c_str(), target.c_str()) != 0) RaiseFileError(errno);
    committed_ = true;
  }

 private:
  std::string path_;
  int fd_ = -1;
  bool committed_ = false;
};

}  // namespace

int FileErrorNumber(int errnoValue) {
  switch (errnoValue) {
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
      return kPermissionDenied;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return kDiskFull;
    case ENOENT:
    case ENOTDIR:
      return kPathNotFound;
    default:
      return kPathFileAccess;
  }
}

void ReplaceFileSafely(const std::filesystem::path& path, std::string_view bytes) {
  if (path.empty()) Raise(kPathNotFound);
  // A file the user made read-only stays as it is, although the folder would
  // let the temporary file replace it.
  if (access(path.c_str(), F_OK) == 0 && access(path.c_str(), W_OK) != 0) RaiseFileError(errno);
  TemporaryFile temporary(path);
  temporary.Write(bytes);
  temporary.CommitAs(path);
}

}  // namespace zb
