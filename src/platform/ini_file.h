#pragma once
// Ini files: "[section]" lines followed by "key=value" lines. Sections and
// keys are found without regard to letter case; their spelling in the file
// stays as first written. Reads of a missing file, section or key give the
// default. Each write goes to disk at once, through a temporary file in the
// same folder renamed over the old one, so a failed write never leaves a
// truncated file. A file that is not valid UTF-8 is read as Chinese text in
// the code page of a simplified-Chinese desktop (GB18030, a superset of GBK);
// Big5 is tried only for bytes that code page cannot hold.
#include <string>
#include <vector>

namespace hl {

class TIniFile {
 public:
  explicit TIniFile(std::string path);
  const std::string& fileName() const { return path_; }

  std::string ReadString(const std::string& section, const std::string& key, const std::string& fallback) const;
  // The value as an integer; the default when absent or not an integer.
  int ReadInteger(const std::string& section, const std::string& key, int fallback) const;
  bool SectionExists(const std::string& section) const;
  bool ValueExists(const std::string& section, const std::string& key) const;

  // Raise EIniFileException when the file cannot be written.
  void WriteString(const std::string& section, const std::string& key, const std::string& value);
  void WriteInteger(const std::string& section, const std::string& key, int value);

  // Reads the file again from disk.
  void reload();

 private:
  struct Entry {
    std::string key, value;
  };
  struct Section {
    std::string name;
    std::vector<Entry> entries;
  };

  const Section* findSection(const std::string& name) const;
  void save() const;

  std::string path_;
  std::vector<Section> sections_;
};

// Decodes text to UTF-8: valid UTF-8 (a byte-order mark removed) stays as it
// is, anything else is converted from GB18030, or from Big5 when that fails.
// Text that neither can decode is returned unchanged.
std::string decodeChineseText(const std::string& bytes);

}  // namespace hl
