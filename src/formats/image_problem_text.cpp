#include "formats/image_problem_text.h"

namespace hl {
namespace {

std::string n(long long value) { return std::to_string(value); }

}  // namespace

std::string describeProblem(const ImageProblem& p) {
  const std::string image = "第" + n(p.image + 1) + "个花样（第" + n(static_cast<long long>(p.offset)) + "字节起）";
  switch (p.kind) {
    case ImageProblem::Kind::EndsInsideImage:
      return "文件在" + image + "中途结束，缺少" + n(p.value) + "字节。";
    case ImageProblem::Kind::TooManyRows:
      return image + "需要" + n(p.value) + "行，超出最多" + n(kStoreRows - kFirstChannelRow) + "行。";
    case ImageProblem::Kind::TooManyFrames:
      return image + "有" + n(p.value) + "帧，超出最多" + n(kStoreColumns - kFirstFrameColumn) + "帧。";
    case ImageProblem::Kind::TooFewImages:
      return "全区花样文件应有10个花样，文件只有" + n(p.value) + "个。";
    case ImageProblem::Kind::ZoneOutOfRange:
      return "分区" + n(p.value + 1) + "之后放不下文件的花样。";
  }
  return "文件格式不对。";
}

std::string describeProblemEnglish(const ImageProblem& p) {
  const std::string image = "image " + n(p.image + 1) + " (at byte " + n(static_cast<long long>(p.offset)) + ")";
  switch (p.kind) {
    case ImageProblem::Kind::EndsInsideImage:
      return "the file ends inside " + image + ", " + n(p.value) + " bytes short";
    case ImageProblem::Kind::TooManyRows:
      return image + " needs " + n(p.value) + " rows, more than the " + n(kStoreRows - kFirstChannelRow) +
             " a zone holds";
    case ImageProblem::Kind::TooManyFrames:
      return image + " has " + n(p.value) + " frames, more than the " + n(kStoreColumns - kFirstFrameColumn) +
             " a zone holds";
    case ImageProblem::Kind::TooFewImages:
      return "an all-zones file needs 10 images, this one has " + n(p.value);
    case ImageProblem::Kind::ZoneOutOfRange:
      return "the images do not fit after zone " + n(p.value + 1);
  }
  return "not a pattern file";
}

}  // namespace hl
