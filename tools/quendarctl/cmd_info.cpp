// quendarctl info [--simulated]: what the mouse reports of its settings. Reads only; nothing is written
// to the mouse.
#include <CLI/CLI.hpp>
#include <ostream>

#include "cmd_device_support.h"
#include "command_registry.h"
#include "core/device/command_set.h"

namespace quendar::ctl {
namespace {

void PrintInfo(std::ostream& out, const device::DeviceImage& image) {
  const auto& s = image.sensorSettings;
  out << "Sensor Type: " << SpacedHex(std::span(s).first(1)) << "\n";
  out << "Rate: " << SpacedHex(std::span(s).subspan(1, 1)) << "\n";
  out << "Option1: " << SpacedHex(std::span(s).subspan(2, 1)) << "\n";
  out << "Option2: " << SpacedHex(std::span(s).subspan(3, 1)) << "\n";
  out << "Lighting Effect: " << SpacedHex(image.lightingEffect) << "\n";
  for (std::size_t i = 0; i < image.lightingParameters.size(); ++i) {
    const auto& p = image.lightingParameters[i];
    const std::uint8_t bytes[] = {p.power, p.breathingLevel, p.breathingMode};
    out << "Lighting Parameters " << i << ": " << SpacedHex(bytes) << "\n";
  }
  for (std::size_t b = 0; b < image.colourBlocks.size(); ++b) {
    out << "Colour Block " << b << ": " << SpacedHex(image.colourBlocks[b]) << "\n";
  }
  const std::uint8_t count[] = {image.stageCount};
  out << "StageNumber: " << SpacedHex(count) << "\n";
  out << "Stages: " << SpacedHex(image.stageBytes) << "\n";
}

const CommandRegistration kInfo{{
    "info",
    "Read the mouse's sensor, lighting, colour and CPI stage settings",
    [](CLI::App& sub) -> std::function<int(CommandIo&)> {
      auto simulated = std::make_shared<bool>(false);
      sub.add_flag("--simulated", *simulated, "Talk to a simulated mouse instead of the real one");
      return [simulated](CommandIo& io) {
        std::string error;
        ConnectedMouse mouse = ConnectMouse(*simulated, error);
        if (!mouse.link) {
          io.err << "quendarctl info: " << error << "\n";
          return 2;
        }
        device::DeviceImage image;
        device::CommandSet commands(mouse.link->Command(), image);
        for (auto read : {&device::CommandSet::ReadSensorSettings, &device::CommandSet::ReadLightingEffect,
                          &device::CommandSet::ReadLightingParameters, &device::CommandSet::ReadColourBlocks,
                          &device::CommandSet::ReadCpiStages}) {
          if (const device::ExchangeOutcome failed = (commands.*read)()) {
            io.err << "quendarctl info: the mouse did not answer: " << device::Describe(*failed) << "\n";
            return 3;
          }
        }
        PrintInfo(io.out, image);
        return 0;
      };
    },
}};

}  // namespace
}  // namespace quendar::ctl
