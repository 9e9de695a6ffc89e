#include "core/device/command_set.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace quendar::device {
namespace {

// Every long read lands in a whole block's buffer so that no chunk the mouse sends is left unread,
// whatever length it claims; only what fits the destination is kept.
using BlockBuffer = std::array<std::uint8_t, kMaxBlockSize>;

std::string Hex2(std::uint8_t value) {
  char text[8];
  std::snprintf(text, sizeof text, "%02X", value);
  return text;
}

}  // namespace

CommandSet::CommandSet(const CommandEndpoint& endpoint, DeviceImage& image, TraceSink trace)
    : endpoint_(endpoint), image_(image), trace_(std::move(trace)) {}

void CommandSet::Short(CommandPacket& packet) { SendCommand(endpoint_, packet); }

void CommandSet::Long(CommandPacket& packet, std::span<std::uint8_t> data) { TransferBlock(endpoint_, packet, data); }

void CommandSet::IndexedPause() {
  if (endpoint_.pacer != nullptr) endpoint_.pacer->Pause(kIndexedCommandPause);
}

void CommandSet::Trace(const std::string& text) const {
  if (trace_) trace_(text);
}

void CommandSet::WriteReportRate(std::uint8_t reportRateCode) {
  CommandPacket packet = MakePacket(opcode::kWriteReportRate, reportRateCode);
  Short(packet);
}

void CommandSet::WriteSensorSettings() {
  const auto& s = image_.sensorSettings;
  CommandPacket packet = MakePacket(opcode::kWriteSensorSettings, s[0], s[1], s[2], s[3]);
  Short(packet);
}

void CommandSet::ReadSensorSettings() {
  CommandPacket packet = MakePacket(opcode::kReadSensorSettings);
  Short(packet);
  std::copy_n(packet.bytes.begin() + 1, image_.sensorSettings.size(), image_.sensorSettings.begin());
  Trace(FormatSensorTrace(image_));
}

void CommandSet::WriteLightingParameters() {
  for (std::uint8_t index = 0; index < image_.lightingParameters.size(); ++index) {
    const auto& p = image_.lightingParameters[index];
    CommandPacket packet = MakePacket(opcode::kWriteLightingParameters, index, p.a, p.b, p.c);
    Short(packet);
    IndexedPause();
  }
}

void CommandSet::ReadLightingParameters() {
  // The second request goes out in the buffer of the first reply, bytes 2..6 included: the mouse has
  // always seen it that way.
  CommandPacket packet = MakePacket(opcode::kReadLightingParameters, 0);
  for (std::uint8_t index = 0; index < image_.lightingParameters.size(); ++index) {
    packet.bytes[0] = opcode::kReadLightingParameters;
    packet.bytes[1] = index;
    Short(packet);
    const std::uint8_t replyIndex = packet.bytes[1];
    if (replyIndex < image_.lightingParameters.size()) {
      image_.lightingParameters[replyIndex] = LightingParameter{packet.bytes[2], packet.bytes[3], packet.bytes[4]};
    }
    IndexedPause();
  }
}

void CommandSet::WriteLightingEffect() {
  const auto& e = image_.lightingEffect;
  CommandPacket packet = MakePacket(opcode::kWriteLightingEffect, e[0], e[1], e[2]);
  Short(packet);
}

void CommandSet::ReadLightingEffect() {
  CommandPacket packet = MakePacket(opcode::kReadLightingEffect);
  Short(packet);
  std::copy_n(packet.bytes.begin() + 1, image_.lightingEffect.size(), image_.lightingEffect.begin());
  Trace(FormatLightingEffectTrace(image_));
}

void CommandSet::WriteSensitivity() {
  CommandPacket packet = MakePacket(opcode::kWriteSensitivity, image_.sensitivity[0], image_.sensitivity[1]);
  Short(packet);
}

void CommandSet::WriteColourBlocks() {
  for (std::uint8_t block = 0; block < image_.colourBlocks.size(); ++block) {
    std::array<std::uint8_t, kChunkSize> data{};
    std::copy(image_.colourBlocks[block].begin(), image_.colourBlocks[block].end(), data.begin());
    CommandPacket packet = MakePacket(opcode::kWriteColourBlocks, block, kColourBlockSize);
    Long(packet, data);
    IndexedPause();
  }
}

void CommandSet::ReadColourBlocks() {
  for (std::uint8_t block = 0; block < image_.colourBlocks.size(); ++block) {
    BlockBuffer data{};
    CommandPacket packet = MakePacket(opcode::kReadColourBlocks, block);
    Long(packet, data);
    const std::uint8_t named = packet.bytes[1];
    const std::size_t length = std::min<std::size_t>(packet.bytes[2], kColourBlockSize);
    if (named < image_.colourBlocks.size()) {
      std::copy_n(data.begin(), length, image_.colourBlocks[named].begin());
    }
    IndexedPause();
  }
}

void CommandSet::WriteCpiStages() {
  std::array<std::uint8_t, kChunkSize> data{};
  std::copy(image_.stageBytes.begin(), image_.stageBytes.end(), data.begin());
  CommandPacket packet = MakePacket(opcode::kWriteCpiStages, image_.stageCount, kStageByteCount);
  Long(packet, data);
}

void CommandSet::ReadCpiStages() {
  BlockBuffer data{};
  CommandPacket packet = MakePacket(opcode::kReadCpiStages);
  Long(packet, data);
  image_.stageCount = packet.bytes[1];
  const std::size_t length = std::min<std::size_t>(packet.bytes[2], kStageByteCount);
  std::copy_n(data.begin(), length, image_.stageBytes.begin());
  Trace(FormatStageTrace(image_));
}

void CommandSet::WriteKeyMatrices() {
  for (std::uint8_t number = 1; number <= kKeyMatrixCount; ++number) {
    const keys::KeyMatrix& matrix = image_.keyMatrices[number - 1];
    Trace(FormatKeyMatrixTrace(number, matrix));
    auto data = SerializeKeyMatrix(matrix);
    CommandPacket packet = MakePacket(opcode::kWriteKeyMatrices, number, kKeyMatrixBytes);
    Long(packet, data);
    IndexedPause();
  }
}

void CommandSet::WriteMacroBlocks() {
  for (std::uint8_t item = 1; item <= image_.macroBlocks.size(); ++item) {
    macros::MacroBlock data = image_.macroBlocks[item - 1];
    CommandPacket packet = MakePacket(opcode::kWriteMacroBlocks, item, macros::kMacroBlockSize);
    Long(packet, data);
    IndexedPause();
  }
}

std::uint8_t CommandSet::ConnectSequence() {
  ReadSensorSettings();
  const std::uint8_t sensorType = image_.sensorSettings[0];
  image_.sensorSettings[3] |= kConnectedBit;
  WriteSensorSettings();
  return sensorType;
}

std::string FormatSensorTrace(const DeviceImage& image) {
  const auto& s = image.sensorSettings;
  return "Sensor Type:" + Hex2(s[0]) + " Rate:" + Hex2(s[1]) + " Option1:" + Hex2(s[2]) + " Option2:" + Hex2(s[3]);
}

std::string FormatLightingEffectTrace(const DeviceImage& image) {
  const auto& e = image.lightingEffect;
  return "Effect:" + Hex2(e[0]) + " Option1:" + Hex2(e[1]) + " Option2:" + Hex2(e[2]);
}

std::string FormatStageTrace(const DeviceImage& image) {
  std::string text = "StageNumber:" + Hex2(image.stageCount);
  for (std::uint8_t stage : image.stageBytes) {
    text += ' ';
    text += Hex2(stage);
  }
  return text;
}

std::string FormatKeyMatrixTrace(int matrixNumber, const keys::KeyMatrix& matrix) {
  std::string text = "Write KeyMatrix[" + std::to_string(matrixNumber) + "]";
  for (const auto& code : matrix) {
    char word[12];
    // The code as one little-endian 32-bit number: byte 3 prints first.
    std::snprintf(word, sizeof word, " %02X%02X%02X%02X", code[3], code[2], code[1], code[0]);
    text += word;
  }
  return text;
}

}  // namespace quendar::device
