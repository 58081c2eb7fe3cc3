#pragma once
// A simulated LED controller: takes the bytes the program sends, cuts them
// into frames, and answers as a controller does: 8F to a connect (or 7E with
// its packet size, for the single-colour model), 3C to an erase, AA to each
// data packet, DD after the end command. It keeps every pattern image it
// received. Faults can be asked for: silence, a failure answer at a chosen
// packet, or vanishing at a chosen packet. No I/O here; see PtyController.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace hl::sim {

using Bytes = std::vector<std::uint8_t>;

struct ControllerBehaviour {
  bool silent = false;                   // answers nothing at all
  std::optional<int> announcedBlockSize;  // answers connects with 7E hi lo
  std::optional<int> failAtPacket;        // answers packet k (from 0 in each zone) with failAnswer
  std::uint8_t failAnswer = 0xFF;         // FF, AF, FE or 55
  std::optional<int> vanishAtPacket;      // the line goes dead when packet k arrives
  int answerDelayMs = 0;                  // each answer waits this long

  static ControllerBehaviour quiet() {
    ControllerBehaviour b;
    b.silent = true;
    return b;
  }
  static ControllerBehaviour announcing(int blockSize) {
    ControllerBehaviour b;
    b.announcedBlockSize = blockSize;
    return b;
  }
  static ControllerBehaviour failingAt(int packet, std::uint8_t answer) {
    ControllerBehaviour b;
    b.failAtPacket = packet;
    b.failAnswer = answer;
    return b;
  }
  static ControllerBehaviour vanishingAt(int packet) {
    ControllerBehaviour b;
    b.vanishAtPacket = packet;
    return b;
  }
};

struct ReceivedImage {
  int zone = 0;  // the zone byte of the erase command
  Bytes bytes;   // the image, without the extra byte of the last packet
};

class SimulatedController {
 public:
  explicit SimulatedController(ControllerBehaviour behaviour = {}) : behaviour_(behaviour) {}

  // Bytes from the program; returns the answer bytes, in order.
  Bytes feed(const Bytes& bytes);
  // True once a vanishing was asked for and its packet arrived.
  bool vanished() const { return vanished_; }

  const std::vector<ReceivedImage>& images() const { return images_; }
  // Commands received, in order ("7F", "9F", "DD", ...), as two hex digits and the zone byte.
  const std::vector<std::string>& commands() const { return commands_; }
  int packetsReceived() const { return packetsTotal_; }
  const ControllerBehaviour& behaviour() const { return behaviour_; }

 private:
  // Length of the complete frame at the front of the input; 0 when more bytes are needed.
  std::size_t frameLength() const;
  void handleFrame(const Bytes& frame, Bytes& answers);
  void handleCommand(std::uint8_t command, std::uint8_t zone, Bytes& answers);
  void handleData(const std::uint8_t* payload, std::size_t n, Bytes& answers);

  ControllerBehaviour behaviour_;
  Bytes input_;
  Bytes image_;
  int zone_ = 0;
  int packet_ = 0;
  int packetsTotal_ = 0;
  bool vanished_ = false;
  std::vector<ReceivedImage> images_;
  std::vector<std::string> commands_;
};

}  // namespace hl::sim
