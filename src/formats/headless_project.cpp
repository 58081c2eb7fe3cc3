#include "formats/headless_project.h"

#include "model/controller_profiles.h"

namespace hl {

void prepareHeadlessProject(Project& project, int model, int lampCount) {
  const ControllerProfile& profile = controllerProfile(model);
  project.resetProject();
  project.initDefaultTimes();
  project.familyMode = profile.familyMode;
  project.memoryBytes = profile.memoryBytes;
  project.blockSize = profile.blockSize;
  project.currentZone = 0;
  project.applyFrameCapacity(lampCount);
}

EncoderInputs headlessInputs(int model, int lampCount, int colourOrder, int pixelChip) {
  EncoderInputs inputs;
  inputs.model = model;
  inputs.lampCount = lampCount;
  inputs.colourOrder = colourOrder;
  inputs.pixelChip = pixelChip;
  return inputs;
}

}  // namespace hl
