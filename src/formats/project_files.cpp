#include "formats/project_files.h"

#include <filesystem>

#include "formats/file_bytes.h"
#include "formats/image_problem_text.h"

namespace hl {

PatternFileImages encodeAllZonesFile(const Project& project, const EncoderInputs& inputs) {
  PatternFileImages images;
  for (int zone = 0; zone < kZoneSlots; ++zone)
    images.push_back(EncodePatternImage(project, inputs, zone, ImagePurpose::File, false));
  return images;
}

PatternFileImages encodeOneZoneFile(const Project& project, const EncoderInputs& inputs, int zone) {
  return {EncodePatternImage(project, inputs, zone, ImagePurpose::File, false)};
}

PatternFileImages encodeExportFile(const Project& project, const EncoderInputs& inputs, int zone) {
  return {EncodePatternImage(project, inputs, zone, ImagePurpose::Upload, true)};
}

std::string writePatternFile(const std::string& path, const PatternFileImages& images) {
  ReplacingFileWriter writer(path);
  for (const PatternImage& image : images) writer.append(image);
  writer.commit();
  return writer.error();
}

std::string withExtension(const std::string& path, std::string_view extension) {
  std::filesystem::path p(path);
  p.replace_extension(extension);
  return p.string();
}

std::string exportPresetName(int model) {
  if (model == 4) return "Q1";
  if (model == 5) return "Q2";
  return "1";
}

PatternFileResult readPatternFile(Project& project, const std::string& path, const PatternReadRequest& request) {
  PatternFileResult result;
  FileRead file = readFileBytes(path);
  if (file.status != FileRead::Status::Ok) {
    result.status = file.status == FileRead::Status::Missing ? PatternFileResult::Status::Missing
                                                             : PatternFileResult::Status::Unreadable;
    result.reason = file.reason;
    return result;
  }
  PatternReadResult read = ReadPatternImages(project, file.bytes, request);
  if (read.problem) {
    result.status = PatternFileResult::Status::Malformed;
    result.reason = describeProblem(*read.problem);
    result.problem = read.problem;
    return result;
  }
  result.headers = std::move(read.headers);
  return result;
}

}  // namespace hl
