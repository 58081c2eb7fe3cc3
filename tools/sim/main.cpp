// hueloom-sim: a simulated controller on a pseudo-terminal. Prints the device
// path to upload to, answers like a controller, and writes each pattern image
// it receives to a file.
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <thread>

#include "sim/pty_controller.h"

namespace {

constexpr const char* kUsage =
    "usage: hueloom-sim [--out DIR] [--block-size N] [--silent] [--fail-at K --answer FF|AF|FE|55]\n"
    "                   [--delay MS] [--vanish-at K]\n"
    "\n"
    "Opens a pseudo-terminal, prints the device path to use as the serial port,\n"
    "and answers as a controller: 8F to a connect (7E with the packet size N when\n"
    "--block-size is given, as the single-colour model does), 3C to an erase, AA\n"
    "to each packet, DD after the end command. Each received image is written to\n"
    "DIR/zone<Z>-<n>.bin (default: the current folder). Faults: --silent answers\n"
    "nothing; --fail-at answers packet K (from 0) with the failure byte; --delay\n"
    "waits before each answer; --vanish-at hangs up when packet K arrives.\n"
    "Runs until interrupted.\n";

volatile std::sig_atomic_t interrupted = 0;

bool parse(int argc, char** argv, hl::sim::ControllerBehaviour& b, std::string& out) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--silent") b.silent = true;
    else if (arg == "--out" && hasValue) out = argv[++i];
    else if (arg == "--block-size" && hasValue) b.announcedBlockSize = std::atoi(argv[++i]);
    else if (arg == "--fail-at" && hasValue) b.failAtPacket = std::atoi(argv[++i]);
    else if (arg == "--answer" && hasValue) b.failAnswer = static_cast<std::uint8_t>(std::strtoul(argv[++i], nullptr, 16));
    else if (arg == "--delay" && hasValue) b.answerDelayMs = std::atoi(argv[++i]);
    else if (arg == "--vanish-at" && hasValue) b.vanishAtPacket = std::atoi(argv[++i]);
    else return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  hl::sim::ControllerBehaviour behaviour;
  std::string outDir = ".";
  if (argc > 1 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h")) {
    std::cout << kUsage;
    return 0;
  }
  if (!parse(argc, argv, behaviour, outDir)) {
    std::cerr << kUsage;
    return 1;
  }
  std::signal(SIGINT, [](int) { interrupted = 1; });
  std::signal(SIGTERM, [](int) { interrupted = 1; });
  try {
    hl::sim::PtyController controller(behaviour);
    int count = 0;
    controller.onImage([&](const hl::sim::ReceivedImage& image) {
      const std::string path = outDir + "/zone" + std::to_string(image.zone) + "-" + std::to_string(++count) + ".bin";
      std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(image.bytes.data()),
                                                  static_cast<std::streamsize>(image.bytes.size()));
      std::cout << "received " << image.bytes.size() << " bytes for zone byte " << image.zone << ": " << path << std::endl;
    });
    std::cout << controller.devicePath() << std::endl;
    while (!interrupted && !controller.vanished()) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    if (controller.vanished()) std::cout << "vanished" << std::endl;
  } catch (const std::exception& e) {
    std::cerr << "hueloom-sim: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
