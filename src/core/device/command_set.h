#pragma once
// Every command this program exchanges with the mouse, each one call of the transport per exchange that
// reads into or writes from the DeviceImage, and the sequence run whenever the mouse is connected. Every
// command reports its first failed exchange; a command of several exchanges stops there.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "core/device/command_transport.h"
#include "core/protocol/mouse_protocol.h"
#include "core/device/device_image.h"

namespace quendar::device {

namespace opcode = protocol::opcode;

// Receives the diagnostic traces of device reads; they are for a debugger or a log, never for the user.
using TraceSink = std::function<void(std::string_view)>;

class CommandSet {
 public:
  // The endpoint's pacer also takes the 2 ms pause after each indexed command.
  CommandSet(const CommandEndpoint& endpoint, DeviceImage& image, TraceSink trace = {});

  DeviceImage& image() { return image_; }
  // Exchanges started so far, failed ones included.
  int exchangesMade() const { return exchangesMade_; }

  ExchangeOutcome WriteReportRate(std::uint8_t reportRateCode);
  ExchangeOutcome WriteSensorSettings();
  ExchangeOutcome ReadSensorSettings();
  ExchangeOutcome WriteLightingParameters();
  ExchangeOutcome ReadLightingParameters();
  ExchangeOutcome WriteLightingEffect();
  ExchangeOutcome ReadLightingEffect();
  ExchangeOutcome WriteSensitivity();
  ExchangeOutcome WriteColourBlocks();
  ExchangeOutcome ReadColourBlocks();
  ExchangeOutcome WriteCpiStages();
  ExchangeOutcome ReadCpiStages();
  ExchangeOutcome WriteKeyMatrices();
  ExchangeOutcome WriteMacroBlocks();

  // Reads the sensor settings, marks the mouse as driven by this program (bit 6 of option 2) and writes
  // them back; the sensor type is then sensorSettings[0]. A failed read writes nothing back: the
  // all-zero reply would become the mouse's settings.
  ExchangeOutcome ConnectSequence();

 private:
  ExchangeOutcome Short(CommandPacket& packet);
  ExchangeOutcome Long(CommandPacket& packet, std::span<std::uint8_t> data);
  void IndexedPause();
  void Trace(const std::string& text) const;

  CommandEndpoint endpoint_;
  DeviceImage& image_;
  TraceSink trace_;
  int exchangesMade_ = 0;
};

// The trace texts, exposed so their format is checked where it is made.
std::string FormatSensorTrace(const DeviceImage& image);
std::string FormatLightingEffectTrace(const DeviceImage& image);
std::string FormatStageTrace(const DeviceImage& image);
std::string FormatKeyMatrixTrace(int matrixNumber, const keys::KeyMatrix& matrix);

}  // namespace quendar::device
