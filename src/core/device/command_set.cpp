#include "core/device/command_set.h"

#include <algorithm>
#include <array>

#include "core/text/hex.h"

namespace quendar::device {
namespace {

// Every long read lands in a whole block's buffer so that no chunk the mouse sends is left unread,
// whatever length it claims; only what fits the destination is kept.
using BlockBuffer = std::array<std::uint8_t, kMaxBlockSize>;

using text::HexByte;

}  // namespace

CommandSet::CommandSet(const CommandEndpoint& endpoint, DeviceImage& image, TraceSink trace)
    : endpoint_(endpoint), image_(image), trace_(std::move(trace)) {}

ExchangeOutcome CommandSet::Short(CommandPacket& packet) {
  ++exchangesMade_;
  return SendCommand(endpoint_, packet);
}

ExchangeOutcome CommandSet::Long(CommandPacket& packet, std::span<std::uint8_t> data) {
  ++exchangesMade_;
  return TransferBlock(endpoint_, packet, data);
}

void CommandSet::IndexedPause() {
  if (endpoint_.pacer != nullptr) endpoint_.pacer->Pause(kIndexedCommandPause);
}

void CommandSet::Trace(const std::string& text) const {
  if (trace_) trace_(text);
}

ExchangeOutcome CommandSet::WriteReportRate(std::uint8_t reportRateCode) {
  CommandPacket packet = MakePacket(opcode::kWriteReportRate, reportRateCode);
  return Short(packet);
}

ExchangeOutcome CommandSet::WriteSensorSettings() {
  const auto& s = image_.sensorSettings;
  CommandPacket packet = MakePacket(opcode::kWriteSensorSettings, s[0], s[1], s[2], s[3]);
  return Short(packet);
}

ExchangeOutcome CommandSet::ReadSensorSettings() {
  CommandPacket packet = MakePacket(opcode::kReadSensorSettings);
  ExchangeOutcome outcome = Short(packet);
  std::copy_n(packet.bytes.begin() + 1, image_.sensorSettings.size(), image_.sensorSettings.begin());
  Trace(FormatSensorTrace(image_));
  return outcome;
}

ExchangeOutcome CommandSet::WriteLightingParameters() {
  for (std::uint8_t index = 0; index < image_.lightingParameters.size(); ++index) {
    const auto& p = image_.lightingParameters[index];
    CommandPacket packet =
        MakePacket(opcode::kWriteLightingParameters, index, p.power, p.breathingLevel, p.breathingMode);
    if (ExchangeOutcome outcome = Short(packet)) return outcome;
    IndexedPause();
  }
  return {};
}

ExchangeOutcome CommandSet::ReadLightingParameters() {
  // The second request goes out in the buffer of the first reply, bytes 2..6 included: that is the
  // request the mouse expects.
  CommandPacket packet = MakePacket(opcode::kReadLightingParameters, 0);
  for (std::uint8_t index = 0; index < image_.lightingParameters.size(); ++index) {
    packet.bytes[0] = opcode::kReadLightingParameters;
    packet.bytes[1] = index;
    const ExchangeOutcome outcome = Short(packet);
    const std::uint8_t replyIndex = packet.bytes[1];
    if (replyIndex < image_.lightingParameters.size()) {
      image_.lightingParameters[replyIndex] = LightingParameter{packet.bytes[2], packet.bytes[3], packet.bytes[4]};
    }
    if (outcome) return outcome;
    IndexedPause();
  }
  return {};
}

ExchangeOutcome CommandSet::WriteLightingEffect() {
  const auto& e = image_.lightingEffect;
  CommandPacket packet = MakePacket(opcode::kWriteLightingEffect, e[0], e[1], e[2]);
  return Short(packet);
}

ExchangeOutcome CommandSet::ReadLightingEffect() {
  CommandPacket packet = MakePacket(opcode::kReadLightingEffect);
  ExchangeOutcome outcome = Short(packet);
  std::copy_n(packet.bytes.begin() + 1, image_.lightingEffect.size(), image_.lightingEffect.begin());
  Trace(FormatLightingEffectTrace(image_));
  return outcome;
}

ExchangeOutcome CommandSet::WriteSensitivity() {
  CommandPacket packet = MakePacket(opcode::kWriteSensitivity, image_.sensitivity[0], image_.sensitivity[1]);
  return Short(packet);
}

ExchangeOutcome CommandSet::WriteColourBlocks() {
  for (std::uint8_t block = 0; block < image_.colourBlocks.size(); ++block) {
    std::array<std::uint8_t, kChunkSize> data{};
    std::copy(image_.colourBlocks[block].begin(), image_.colourBlocks[block].end(), data.begin());
    CommandPacket packet = MakePacket(opcode::kWriteColourBlocks, block, kColourBlockSize);
    if (ExchangeOutcome outcome = Long(packet, data)) return outcome;
    IndexedPause();
  }
  return {};
}

ExchangeOutcome CommandSet::ReadColourBlocks() {
  for (std::uint8_t block = 0; block < image_.colourBlocks.size(); ++block) {
    BlockBuffer data{};
    CommandPacket packet = MakePacket(opcode::kReadColourBlocks, block);
    const ExchangeOutcome outcome = Long(packet, data);
    const std::uint8_t named = packet.bytes[1];
    const std::size_t length = std::min<std::size_t>(packet.bytes[2], kColourBlockSize);
    if (named < image_.colourBlocks.size()) {
      std::copy_n(data.begin(), length, image_.colourBlocks[named].begin());
    }
    if (outcome) return outcome;
    IndexedPause();
  }
  return {};
}

ExchangeOutcome CommandSet::WriteCpiStages() {
  std::array<std::uint8_t, kChunkSize> data{};
  std::copy(image_.stageBytes.begin(), image_.stageBytes.end(), data.begin());
  CommandPacket packet = MakePacket(opcode::kWriteCpiStages, image_.stageCount, kStageByteCount);
  return Long(packet, data);
}

ExchangeOutcome CommandSet::ReadCpiStages() {
  BlockBuffer data{};
  CommandPacket packet = MakePacket(opcode::kReadCpiStages);
  ExchangeOutcome outcome = Long(packet, data);
  image_.stageCount = packet.bytes[1];
  const std::size_t length = std::min<std::size_t>(packet.bytes[2], kStageByteCount);
  std::copy_n(data.begin(), length, image_.stageBytes.begin());
  Trace(FormatStageTrace(image_));
  return outcome;
}

ExchangeOutcome CommandSet::WriteKeyMatrices() {
  for (std::uint8_t number = 1; number <= kKeyMatrixCount; ++number) {
    const keys::KeyMatrix& matrix = image_.keyMatrices[number - 1];
    Trace(FormatKeyMatrixTrace(number, matrix));
    auto data = SerializeKeyMatrix(matrix);
    CommandPacket packet = MakePacket(opcode::kWriteKeyMatrices, number, kKeyMatrixBytes);
    if (ExchangeOutcome outcome = Long(packet, data)) return outcome;
    IndexedPause();
  }
  return {};
}

ExchangeOutcome CommandSet::WriteMacroBlocks() {
  for (std::uint8_t item = 1; item <= image_.macroBlocks.size(); ++item) {
    macros::MacroBlock data = image_.macroBlocks[item - 1];
    CommandPacket packet = MakePacket(opcode::kWriteMacroBlocks, item, macros::kMacroBlockSize);
    if (ExchangeOutcome outcome = Long(packet, data)) return outcome;
    IndexedPause();
  }
  return {};
}

ExchangeOutcome CommandSet::ConnectSequence() {
  if (ExchangeOutcome outcome = ReadSensorSettings()) return outcome;
  image_.sensorSettings[3] |= kConnectedBit;
  return WriteSensorSettings();
}

std::string FormatSensorTrace(const DeviceImage& image) {
  const auto& s = image.sensorSettings;
  return "Sensor Type:" + HexByte(s[0]) + " Rate:" + HexByte(s[1]) + " Option1:" + HexByte(s[2]) + " Option2:" + HexByte(s[3]);
}

std::string FormatLightingEffectTrace(const DeviceImage& image) {
  const auto& e = image.lightingEffect;
  return "Effect:" + HexByte(e[0]) + " Option1:" + HexByte(e[1]) + " Option2:" + HexByte(e[2]);
}

std::string FormatStageTrace(const DeviceImage& image) {
  std::string text = "StageNumber:" + HexByte(image.stageCount);
  for (std::uint8_t stage : image.stageBytes) {
    text += ' ';
    text += HexByte(stage);
  }
  return text;
}

std::string FormatKeyMatrixTrace(int matrixNumber, const keys::KeyMatrix& matrix) {
  std::string text = "Write KeyMatrix[" + std::to_string(matrixNumber) + "]";
  for (const auto& code : matrix) {
    // The code as one little-endian 32-bit number: byte 3 prints first.
    const std::array<std::uint8_t, 4> word{code[3], code[2], code[1], code[0]};
    text += ' ';
    text += text::HexBytes(word, "");
  }
  return text;
}

}  // namespace quendar::device
