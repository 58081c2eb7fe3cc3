#include "sim/simulated_controller.h"

#include <cstdio>

namespace hl::sim {
namespace {

constexpr std::size_t kShortCommand = 6;   // AA CC 02 cmd z 55
constexpr std::size_t kFramedCommand = 12;  // AA CC FA mode 00 02 cmd z BB EE A5 5A

std::size_t lengthField(const Bytes& in, std::size_t at) { return static_cast<std::size_t>(in[at]) << 8 | in[at + 1]; }

}  // namespace

std::size_t SimulatedController::frameLength() const {
  const Bytes& in = input_;
  if (in.size() < 3) return 0;
  if (in[1] != 0xCC) {  // short data frame: AA, n, payload, 55
    const std::size_t total = 3 + lengthField(in, 1) + 1;
    return in.size() >= total ? total : 0;
  }
  if (in[2] == 0x02) return in.size() >= kShortCommand ? kShortCommand : 0;
  if (in.size() < 6) return 0;
  if (in[3] != 0xAF) return in.size() >= kFramedCommand ? kFramedCommand : 0;
  const std::size_t total = 6 + lengthField(in, 4) + 4;  // the length counts EE and the zone byte
  return in.size() >= total ? total : 0;
}

Bytes SimulatedController::feed(const Bytes& bytes) {
  Bytes answers;
  if (vanished_) return answers;
  input_.insert(input_.end(), bytes.begin(), bytes.end());
  for (;;) {
    while (!input_.empty() && input_.front() != 0xAA) input_.erase(input_.begin());  // noise before a frame
    const std::size_t length = frameLength();
    if (length == 0) break;
    const Bytes frame(input_.begin(), input_.begin() + static_cast<long>(length));
    input_.erase(input_.begin(), input_.begin() + static_cast<long>(length));
    handleFrame(frame, answers);
    if (vanished_) break;
  }
  if (behaviour_.silent) answers.clear();
  return answers;
}

void SimulatedController::handleFrame(const Bytes& f, Bytes& answers) {
  if (f[1] != 0xCC) return handleData(f.data() + 3, f.size() - 4, answers);
  if (f[2] == 0x02) return handleCommand(f[3], f[4], answers);
  if (f[3] != 0xAF) return handleCommand(f[6], f[7], answers);
  handleData(f.data() + 8, f.size() - 12, answers);
}

void SimulatedController::handleCommand(std::uint8_t command, std::uint8_t zone, Bytes& answers) {
  char name[8];
  std::snprintf(name, sizeof name, "%02X %u", command, zone);
  commands_.push_back(name);
  switch (command) {
    case 0x7F:
      if (behaviour_.announcedBlockSize) {
        const int s = *behaviour_.announcedBlockSize;
        answers.insert(answers.end(), {0x7E, static_cast<std::uint8_t>(s >> 8), static_cast<std::uint8_t>(s & 0xFF)});
      } else {
        answers.push_back(0x8F);
      }
      break;
    case 0x9F:
      zone_ = zone;
      packet_ = 0;
      image_.clear();
      answers.push_back(0x3C);
      break;
    case 0xDD:
      if (!image_.empty()) image_.pop_back();  // the byte the last packet carries past the image
      images_.push_back({zone_, image_});
      image_.clear();
      answers.push_back(0xDD);
      break;
    default:
      break;
  }
}

void SimulatedController::handleData(const std::uint8_t* payload, std::size_t n, Bytes& answers) {
  const int k = packet_++;
  ++packetsTotal_;
  if (behaviour_.vanishAtPacket && k == *behaviour_.vanishAtPacket) {
    vanished_ = true;
    return;
  }
  image_.insert(image_.end(), payload, payload + n);
  answers.push_back(behaviour_.failAtPacket && k == *behaviour_.failAtPacket ? behaviour_.failAnswer : 0xAA);
}

}  // namespace hl::sim
