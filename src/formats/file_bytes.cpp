#include "formats/file_bytes.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

namespace hl {

FileRead readFileBytes(const std::string& path) {
  FileRead read;
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    read.status = errno == ENOENT ? FileRead::Status::Missing : FileRead::Status::Failed;
    read.reason = std::strerror(errno);
    return read;
  }
  std::uint8_t buffer[1 << 16];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      read.status = FileRead::Status::Failed;
      read.reason = std::strerror(errno);
      read.bytes.clear();
      break;
    }
    if (n == 0) break;
    read.bytes.insert(read.bytes.end(), buffer, buffer + n);
  }
  ::close(fd);
  return read;
}

ReplacingFileWriter::ReplacingFileWriter(std::string path) : path_(std::move(path)) {
  tempPath_ = path_ + ".tmp" + std::to_string(::getpid());
  fd_ = ::open(tempPath_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd_ < 0) fail();
}

ReplacingFileWriter::~ReplacingFileWriter() {
  if (!committed_) discard();
}

void ReplacingFileWriter::fail() {
  if (error_.empty()) error_ = std::strerror(errno);
  discard();
}

void ReplacingFileWriter::discard() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  ::unlink(tempPath_.c_str());
}

bool ReplacingFileWriter::append(std::span<const std::uint8_t> bytes) {
  if (!ok()) return false;
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      fail();
      return false;
    }
    done += std::size_t(n);
  }
  return true;
}

bool ReplacingFileWriter::commit() {
  if (!ok()) return false;
  // The data reaches the disk before the rename makes it the file.
  if (::fsync(fd_) != 0 && errno != EINVAL) {
    fail();
    return false;
  }
  const int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0) {
    fail();
    return false;
  }
  if (std::rename(tempPath_.c_str(), path_.c_str()) != 0) {
    fail();
    return false;
  }
  committed_ = true;
  return true;
}

std::string replaceFileContent(const std::string& path, std::span<const std::uint8_t> bytes) {
  ReplacingFileWriter writer(path);
  writer.append(bytes);
  writer.commit();
  return writer.error();
}

}  // namespace hl
