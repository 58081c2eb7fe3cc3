#pragma once
// What is wrong with a pattern file, in words for the window (Chinese) and
// for the command-line tool (English). Images are numbered from 1.
#include <string>

#include "formats/pattern_reader.h"

namespace hl {

std::string describeProblem(const ImageProblem& problem);
std::string describeProblemEnglish(const ImageProblem& problem);

}  // namespace hl
