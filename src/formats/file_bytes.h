#pragma once
// Whole-file reads and writes in byte mode, with the system's reason on
// failure.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace hl {

struct FileRead {
  enum class Status { Ok, Missing, Failed };
  Status status = Status::Ok;
  std::vector<std::uint8_t> bytes;
  std::string reason;  // the system's text when not Ok
};

FileRead readFileBytes(const std::string& path);

// Builds a file beside its final path and renames it over that path on
// commit, so a failure never leaves a truncated file behind: the old file
// stays until the new one is complete. Without a commit the partial file is
// removed. Every failure keeps the system's reason in error().
class ReplacingFileWriter {
 public:
  explicit ReplacingFileWriter(std::string path);
  ~ReplacingFileWriter();
  ReplacingFileWriter(const ReplacingFileWriter&) = delete;
  ReplacingFileWriter& operator=(const ReplacingFileWriter&) = delete;

  bool ok() const { return error_.empty(); }
  const std::string& error() const { return error_; }
  // Both do nothing after a failure and return ok().
  bool append(std::span<const std::uint8_t> bytes);
  bool commit();

 private:
  void fail();
  void discard();

  std::string path_, tempPath_;
  int fd_ = -1;
  bool committed_ = false;
  std::string error_;
};

// Writes bytes as the whole content of path through a ReplacingFileWriter;
// gives "" or the reason of the failure.
std::string replaceFileContent(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace hl
