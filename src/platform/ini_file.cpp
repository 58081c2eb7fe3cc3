#include "platform/ini_file.h"

#include <iconv.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <strings.h>

#include "platform/errors.h"

namespace hl {
namespace {

bool equalsNoCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && strncasecmp(a.c_str(), b.c_str(), a.size()) == 0;
}

std::string trim(const std::string& s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  const auto last = s.find_last_not_of(" \t\r");
  return s.substr(first, last - first + 1);
}

bool isValidUtf8(const std::string& s) {
  for (std::size_t i = 0; i < s.size();) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    const int follow = c < 0x80 ? 0 : (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2 : (c & 0xF8) == 0xF0 ? 3 : -1;
    if (follow < 0 || i + follow >= s.size() + (follow == 0)) return false;
    for (int k = 1; k <= follow; ++k)
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    i += follow + 1;
  }
  return true;
}

bool convert(const std::string& bytes, const char* from, std::string& out) {
  iconv_t cd = iconv_open("UTF-8", from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  std::string result(bytes.size() * 4 + 4, '\0');
  char* in = const_cast<char*>(bytes.data());
  std::size_t inLeft = bytes.size();
  char* dst = result.data();
  std::size_t outLeft = result.size();
  const std::size_t rc = iconv(cd, &in, &inLeft, &dst, &outLeft);
  iconv_close(cd);
  if (rc == static_cast<std::size_t>(-1) || inLeft != 0) return false;
  result.resize(result.size() - outLeft);
  out = std::move(result);
  return true;
}

}  // namespace

std::string decodeChineseText(const std::string& bytes) {
  std::string text = bytes;
  if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);
  if (isValidUtf8(text)) return text;
  std::string out;
  if (convert(text, "GB18030", out) || convert(text, "BIG5", out)) return out;
  return text;
}

TIniFile::TIniFile(std::string path) : path_(std::move(path)) { reload(); }

void TIniFile::reload() {
  sections_.clear();
  std::ifstream in(path_, std::ios::binary);
  if (!in) return;
  std::stringstream raw;
  raw << in.rdbuf();
  std::istringstream lines(decodeChineseText(raw.str()));
  std::string line;
  while (std::getline(lines, line)) {
    const std::string t = trim(line);
    if (t.empty() || t[0] == ';') continue;
    if (t.front() == '[') {
      const auto close = t.find(']');
      sections_.push_back({trim(t.substr(1, close == std::string::npos ? std::string::npos : close - 1)), {}});
      continue;
    }
    const auto eq = t.find('=');
    if (eq == std::string::npos || sections_.empty()) continue;
    sections_.back().entries.push_back({trim(t.substr(0, eq)), trim(t.substr(eq + 1))});
  }
}

const TIniFile::Section* TIniFile::findSection(const std::string& name) const {
  for (const Section& s : sections_)
    if (equalsNoCase(s.name, name)) return &s;
  return nullptr;
}

bool TIniFile::SectionExists(const std::string& section) const { return findSection(section) != nullptr; }

bool TIniFile::ValueExists(const std::string& section, const std::string& key) const {
  if (const Section* s = findSection(section))
    for (const Entry& e : s->entries)
      if (equalsNoCase(e.key, key)) return true;
  return false;
}

std::string TIniFile::ReadString(const std::string& section, const std::string& key, const std::string& fallback) const {
  if (const Section* s = findSection(section))
    for (const Entry& e : s->entries)
      if (equalsNoCase(e.key, key)) return e.value;
  return fallback;
}

int TIniFile::ReadInteger(const std::string& section, const std::string& key, int fallback) const {
  return StrToIntDef(ReadString(section, key, ""), fallback);
}

void TIniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
  Section* target = const_cast<Section*>(findSection(section));
  if (!target) {
    sections_.push_back({section, {}});
    target = &sections_.back();
  }
  bool found = false;
  for (Entry& e : target->entries)
    if (equalsNoCase(e.key, key)) {
      e.value = value;
      found = true;
      break;
    }
  if (!found) target->entries.push_back({key, value});
  save();
}

void TIniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
  WriteString(section, key, std::to_string(value));
}

void TIniFile::save() const {
  std::ostringstream text;
  for (std::size_t i = 0; i < sections_.size(); ++i) {
    if (i) text << "\r\n";
    text << '[' << sections_[i].name << "]\r\n";
    for (const Entry& e : sections_[i].entries) text << e.key << '=' << e.value << "\r\n";
  }
  const std::string temp = path_ + ".tmp" + std::to_string(::getpid());
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out << text.str();
    out.flush();
    if (!out) {
      std::remove(temp.c_str());
      throw EIniFileException("Unable to write to " + path_);
    }
  }
  if (std::rename(temp.c_str(), path_.c_str()) != 0) {
    std::remove(temp.c_str());
    throw EIniFileException("Unable to write to " + path_);
  }
}

}  // namespace hl
