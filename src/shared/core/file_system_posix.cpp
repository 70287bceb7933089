// The POSIX half of the file system helpers: paths are the UTF-8 bytes
// themselves, and rename(2) puts a finished temporary file in place.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <random>

#include "shared/core/file_system.h"

namespace ravelo {
namespace {

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;

  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  // Closes now and reports whether the close succeeded (it can report a
  // delayed write error).
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }
  // Hands the descriptor over to another owner.
  void Release() { fd_ = -1; }

 private:
  int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

std::string TemporaryName(const std::string& target, unsigned attempt) {
  static std::atomic<unsigned> counter{0};
  std::random_device random;
  char suffix[64];
  std::snprintf(suffix, sizeof suffix, ".%x%x%x.tmp", static_cast<unsigned>(::getpid()), counter++ + attempt,
                random() & 0xFFFFu);
  return target + suffix;
}

void SyncFolder(const std::string& folder) {
  FileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.valid()) ::fsync(dir.get());
}

}  // namespace

std::optional<InputFile> InputFile::Open(const FilePath& path) {
  FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  struct stat info {};
  if (!fd.valid() || ::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  const int handle = fd.get();
  fd.Release();
  return InputFile(handle);
}

void InputFile::Close() noexcept {
  if (handle_ != -1) ::close(static_cast<int>(handle_));
  handle_ = -1;
}

std::optional<size_t> InputFile::Read(char* into, size_t size) {
  size_t total = 0;
  while (total < size) {
    const ssize_t got = ::read(static_cast<int>(handle_), into + total, size - total);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return std::nullopt;
    if (got == 0) break;
    total += static_cast<size_t>(got);
  }
  return total;
}

bool InputFile::Rewind() { return ::lseek(static_cast<int>(handle_), 0, SEEK_SET) == 0; }

std::optional<std::uint64_t> InputFile::Size() const {
  struct stat info {};
  if (::fstat(static_cast<int>(handle_), &info) != 0) return std::nullopt;
  return static_cast<std::uint64_t>(info.st_size);
}

FilePath PathFromUtf8(std::string_view utf8) { return FilePath(std::string(utf8)); }

std::string PathToUtf8(const FilePath& path) { return path.native(); }

bool IsExistingFile(const FilePath& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool WriteFileAtomically(const FilePath& path, std::string_view bytes) {
  const std::string target = path.native();
  if (target.empty()) return false;

  struct stat existing {};
  const bool exists = ::stat(target.c_str(), &existing) == 0;
  if (exists) {
    if (!S_ISREG(existing.st_mode)) return false;
    // A read-only file stays as it is, also for root, who could replace it.
    if ((existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return false;
  }

  std::string temporary;
  int fd = -1;
  for (unsigned attempt = 0; attempt < 16 && fd < 0; ++attempt) {
    temporary = TemporaryName(target, attempt);
    fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) return false;  // missing or unwritable folder
  }
  if (fd < 0) return false;
  FileDescriptor out(fd);

  bool ok = true;
  if (exists) ok = ::fchmod(out.get(), existing.st_mode & 07777) == 0;
  ok = ok && WriteAll(out.get(), bytes) && ::fsync(out.get()) == 0;
  ok = out.Close() && ok;
  ok = ok && ::rename(temporary.c_str(), target.c_str()) == 0;
  if (!ok) {
    ::unlink(temporary.c_str());
    return false;
  }
  const auto slash = target.rfind('/');
  SyncFolder(slash == std::string::npos ? std::string(".") : target.substr(0, slash + 1));
  return true;
}

bool IsExistingFolder(const FilePath& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool MakeFolder(const FilePath& path) { return ::mkdir(path.c_str(), 0777) == 0 || IsExistingFolder(path); }

bool IsWritableFolder(const FilePath& path) {
  if (!IsExistingFolder(path)) return false;
  std::string folder = path.native();
  if (folder.back() != '/') folder += '/';
  for (unsigned attempt = 0; attempt < 16; ++attempt) {
    const std::string probe = TemporaryName(folder + "ravelo-write-check", attempt);
    const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
      ::close(fd);
      ::unlink(probe.c_str());
      return true;
    }
    if (errno != EEXIST) return false;
  }
  return false;
}

std::optional<std::vector<std::string>> FileNamesIn(const FilePath& folder) {
  DIR* const listing = ::opendir(folder.c_str());
  if (listing == nullptr) return std::nullopt;
  std::string prefix = folder.native();
  if (prefix.back() != '/') prefix += '/';
  std::vector<std::string> names;
  while (const dirent* entry = ::readdir(listing)) {
    if (IsExistingFile(FilePath(prefix + entry->d_name))) names.emplace_back(entry->d_name);
  }
  ::closedir(listing);
  return names;
}

bool RemoveFile(const FilePath& path) { return ::unlink(path.c_str()) == 0 || errno == ENOENT; }

bool RenameFile(const FilePath& from, const FilePath& to) {
  // link(2) refuses an existing target, as a rename on Windows does.
  if (::link(from.c_str(), to.c_str()) != 0) return false;
  return ::unlink(from.c_str()) == 0;
}

}  // namespace ravelo
