#include "core/device/device_result.h"

#include "core/device/device_link.h"
#include "core/ini/text_encoding.h"
#include "core/text/hex.h"

namespace quendar::device {

namespace {

const char* CallText(DeviceCall call) {
  switch (call) {
    case DeviceCall::LoadHidLibrary: return "loading the system's HID library";
    case DeviceCall::ListInterfaces: return "listing the HID interfaces";
    case DeviceCall::ReadInterfacePath: return "reading a listed interface's path";
    case DeviceCall::OpenProbe: return "opening the interface";
    case DeviceCall::ReadAttributes: return "reading the attributes of the interface";
    case DeviceCall::ReadPreparsedData: return "reading the report descriptor of the interface";
    case DeviceCall::ReadCapabilities: return "reading the capabilities of the interface";
    case DeviceCall::OpenCommandInterface: return "opening the command interface";
    case DeviceCall::OpenEventInterface: return "opening the event interface";
    case DeviceCall::CreateReaderSignal: return "creating the event reader's signal";
    case DeviceCall::StartRead: return "starting a read on the event interface";
    case DeviceCall::FindMouse: return "finding the mouse";
  }
  return "a device call";
}

// Status codes (0xC0110001 and the like) read best in hex, plain error numbers in decimal.
std::string ErrorText(std::uint32_t error) {
  if (error <= 0xFFFF) return std::to_string(error);
  std::string hex = "0x";
  for (int shift = 24; shift >= 0; shift -= 8) hex += text::HexByte(static_cast<std::uint8_t>(error >> shift));
  return hex;
}

}  // namespace

std::string Describe(const DeviceFailure& failure) {
  if (failure.call == DeviceCall::FindMouse && failure.systemError == 0) {
    const auto id = [](std::uint16_t value) {
      return text::HexByte(static_cast<std::uint8_t>(value >> 8)) + text::HexByte(static_cast<std::uint8_t>(value));
    };
    return "no HID interface " + id(kMouseVendorId) + ":" + id(kMouseProductId) + " with the command collection was found";
  }
  std::string text = CallText(failure.call);
  if (!failure.path.empty()) text += " " + ini::ToUtf8(failure.path);
  text += " failed";
  if (failure.systemError != 0) text += " (system error " + ErrorText(failure.systemError) + ")";
  return text;
}

}  // namespace quendar::device
