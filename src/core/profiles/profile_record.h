#pragma once
// The 1839-byte settings record of a profile. Every field is one unsigned byte or an array of them; the
// byte offsets below are the stored format of the profile data files, reserved bytes included, so the
// record is a plain byte array with named accessors rather than a struct whose layout a compiler picks.
#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "core/protocol/mouse_protocol.h"

namespace quendar::profiles {

inline constexpr std::size_t kRecordSize = 1839;
inline constexpr std::size_t kSettingsPartSize = 303;  // everything before the macro table
inline constexpr std::size_t kButtonCount = protocol::kButtonCount;
inline constexpr std::size_t kCpiStageCount = protocol::kCpiStageCount;
inline constexpr std::size_t kMacroBlockSize = protocol::kMacroBlockSize;
inline constexpr std::size_t kMacroBlockCount = protocol::kMacroCount;
inline constexpr std::size_t kMacroTableSize = kMacroBlockSize * kMacroBlockCount;

// A run of bytes of the record. `name` is empty for reserved bytes.
struct RecordField {
  std::string_view name;
  std::size_t offset;
  std::size_t count;
  constexpr std::size_t end() const { return offset + count; }
};

namespace field {
inline constexpr RecordField kProfileNumber{"ProfileNumber", 0x000, 1};
inline constexpr RecordField kReportRateCode{"ReportRateCode", 0x005, 1};
inline constexpr RecordField kButtonLightOn{"ButtonLightOn", 0x006, 1};
inline constexpr RecordField kCpiStageLevel{"CpiStageLevel", 0x007, kCpiStageCount};
inline constexpr RecordField kCpiStageEnabled{"CpiStageEnabled", 0x00F, kCpiStageCount};
inline constexpr RecordField kCpiStageColor{"CpiStageColor", 0x017, 3 * kCpiStageCount};
inline constexpr RecordField kLightingEffect{"LightingEffect", 0x02F, 1};
inline constexpr RecordField kLightingSlider{"LightingSlider", 0x030, 3};
inline constexpr RecordField kLightingVariant{"LightingVariant", 0x034, 1};
inline constexpr RecordField kPointerPrecision{"PointerPrecision", 0x036, 1};
inline constexpr RecordField kScrollOneScreen{"ScrollOneScreen", 0x037, 1};
inline constexpr RecordField kPointerSpeed{"PointerSpeed", 0x038, 1};
inline constexpr RecordField kScrollLines{"ScrollLines", 0x039, 1};
inline constexpr RecordField kDoubleClickSpeed{"DoubleClickSpeed", 0x03A, 1};
inline constexpr RecordField kAngleSnap{"AngleSnap", 0x03B, 1};
inline constexpr RecordField kSensitivityX{"SensitivityX", 0x03D, 1};
inline constexpr RecordField kSensitivityY{"SensitivityY", 0x03E, 1};
inline constexpr RecordField kFunctionType{"FunctionType", 0x03F, kButtonCount};
inline constexpr RecordField kScrollChoice{"ScrollChoice", 0x04B, kButtonCount};
inline constexpr RecordField kCpiChoice{"CpiChoice", 0x057, kButtonCount};
inline constexpr RecordField kMediaUsage{"MediaUsage", 0x06F, kButtonCount};
inline constexpr RecordField kWindowsChoice{"WindowsChoice", 0x07B, kButtonCount};
inline constexpr RecordField kHotkeyLetter{"HotkeyLetter", 0x0AB, kButtonCount};
inline constexpr RecordField kSingleKey{"SingleKey", 0x0B7, kButtonCount};
inline constexpr RecordField kComboModifier{"ComboModifier", 0x0C3, kButtonCount};
inline constexpr RecordField kComboKey1{"ComboKey1", 0x0CF, kButtonCount};
inline constexpr RecordField kComboKey2{"ComboKey2", 0x0DB, kButtonCount};
inline constexpr RecordField kMacroIndex{"MacroIndex", 0x117, kButtonCount};
inline constexpr RecordField kMacroRepeatMode{"MacroRepeatMode", 0x123, kButtonCount};
inline constexpr RecordField kMacroTable{"MacroTable", 0x12F, kMacroTableSize};
// The colour block sent to the device: the seven colour triples and the three reserved bytes after them.
inline constexpr RecordField kCpiColorBlock{"", 0x017, 24};
}  // namespace field

// The whole record in order, reserved runs included; the compile-time checks below prove that the runs
// tile the 1839 bytes without gap or overlap.
inline constexpr std::array<RecordField, 40> kRecordLayout{{
    field::kProfileNumber,   {"", 0x001, 4},          field::kReportRateCode,  field::kButtonLightOn,
    field::kCpiStageLevel,   {"", 0x00E, 1},          field::kCpiStageEnabled, {"", 0x016, 1},
    field::kCpiStageColor,   {"", 0x02C, 3},          field::kLightingEffect,  field::kLightingSlider,
    {"", 0x033, 1},          field::kLightingVariant, {"", 0x035, 1},         field::kPointerPrecision,
    field::kScrollOneScreen, field::kPointerSpeed,    field::kScrollLines,     field::kDoubleClickSpeed,
    field::kAngleSnap,       {"", 0x03C, 1},          field::kSensitivityX,    field::kSensitivityY,
    field::kFunctionType,    field::kScrollChoice,    field::kCpiChoice,       {"", 0x063, 12},
    field::kMediaUsage,      field::kWindowsChoice,   {"", 0x087, 36},         field::kHotkeyLetter,
    field::kSingleKey,       field::kComboModifier,   field::kComboKey1,       field::kComboKey2,
    {"", 0x0E7, 48},         field::kMacroIndex,      field::kMacroRepeatMode, field::kMacroTable,
}};

namespace detail {
constexpr bool LayoutTilesRecord() {
  std::size_t next = 0;
  for (const RecordField& f : kRecordLayout) {
    if (f.offset != next || f.count == 0) return false;
    next = f.end();
  }
  return next == kRecordSize;
}
}  // namespace detail
static_assert(detail::LayoutTilesRecord(), "record fields must tile the record without gaps");
static_assert(field::kMacroTable.offset == kSettingsPartSize, "the macro table follows the settings part");
static_assert(field::kMacroTable.end() == kRecordSize);
static_assert(field::kCpiStageColor.end() == 0x02C && field::kCpiColorBlock.end() == 0x02F);

class ProfileRecord {
 public:
  using Bytes = std::array<std::uint8_t, kRecordSize>;

  ProfileRecord() { bytes_.fill(0); }

  std::span<std::uint8_t, kRecordSize> bytes() { return bytes_; }
  std::span<const std::uint8_t, kRecordSize> bytes() const { return bytes_; }
  std::span<std::uint8_t, kSettingsPartSize> settingsPart() { return std::span(bytes_).first<kSettingsPartSize>(); }
  std::span<const std::uint8_t, kSettingsPartSize> settingsPart() const {
    return std::span(bytes_).first<kSettingsPartSize>();
  }

  std::span<std::uint8_t> Field(const RecordField& f) { return std::span(bytes_).subspan(f.offset, f.count); }
  std::span<const std::uint8_t> Field(const RecordField& f) const {
    return std::span(bytes_).subspan(f.offset, f.count);
  }

  std::uint8_t& ProfileNumber() { return bytes_[field::kProfileNumber.offset]; }
  std::uint8_t& ReportRateCode() { return bytes_[field::kReportRateCode.offset]; }
  std::uint8_t& ButtonLightOn() { return bytes_[field::kButtonLightOn.offset]; }
  std::uint8_t& LightingEffect() { return bytes_[field::kLightingEffect.offset]; }
  std::uint8_t& LightingVariant() { return bytes_[field::kLightingVariant.offset]; }
  std::uint8_t& PointerPrecision() { return bytes_[field::kPointerPrecision.offset]; }
  std::uint8_t& ScrollOneScreen() { return bytes_[field::kScrollOneScreen.offset]; }
  std::uint8_t& PointerSpeed() { return bytes_[field::kPointerSpeed.offset]; }
  std::uint8_t& ScrollLines() { return bytes_[field::kScrollLines.offset]; }
  std::uint8_t& DoubleClickSpeed() { return bytes_[field::kDoubleClickSpeed.offset]; }
  std::uint8_t& AngleSnap() { return bytes_[field::kAngleSnap.offset]; }
  std::uint8_t& SensitivityX() { return bytes_[field::kSensitivityX.offset]; }
  std::uint8_t& SensitivityY() { return bytes_[field::kSensitivityY.offset]; }

  std::uint8_t ProfileNumber() const { return bytes_[field::kProfileNumber.offset]; }
  std::uint8_t ReportRateCode() const { return bytes_[field::kReportRateCode.offset]; }
  std::uint8_t ButtonLightOn() const { return bytes_[field::kButtonLightOn.offset]; }
  std::uint8_t LightingEffect() const { return bytes_[field::kLightingEffect.offset]; }
  std::uint8_t LightingVariant() const { return bytes_[field::kLightingVariant.offset]; }
  std::uint8_t PointerPrecision() const { return bytes_[field::kPointerPrecision.offset]; }
  std::uint8_t ScrollOneScreen() const { return bytes_[field::kScrollOneScreen.offset]; }
  std::uint8_t PointerSpeed() const { return bytes_[field::kPointerSpeed.offset]; }
  std::uint8_t ScrollLines() const { return bytes_[field::kScrollLines.offset]; }
  std::uint8_t DoubleClickSpeed() const { return bytes_[field::kDoubleClickSpeed.offset]; }
  std::uint8_t AngleSnap() const { return bytes_[field::kAngleSnap.offset]; }
  std::uint8_t SensitivityX() const { return bytes_[field::kSensitivityX.offset]; }
  std::uint8_t SensitivityY() const { return bytes_[field::kSensitivityY.offset]; }

  // Stage index 0..6 ("stage 1" is 0).
  std::uint8_t& CpiStageLevel(std::size_t stage) { return At(field::kCpiStageLevel, stage); }
  std::uint8_t& CpiStageEnabled(std::size_t stage) { return At(field::kCpiStageEnabled, stage); }
  std::uint8_t CpiStageLevel(std::size_t stage) const { return At(field::kCpiStageLevel, stage); }
  std::uint8_t CpiStageEnabled(std::size_t stage) const { return At(field::kCpiStageEnabled, stage); }
  // component 0 red, 1 green, 2 blue
  std::uint8_t& CpiStageColor(std::size_t stage, std::size_t component) {
    assert(component < 3);
    return At(field::kCpiStageColor, 3 * stage + component);
  }
  std::uint8_t CpiStageColor(std::size_t stage, std::size_t component) const {
    assert(component < 3);
    return At(field::kCpiStageColor, 3 * stage + component);
  }
  // Row 0..2 of the lighting panel (effect 1..3).
  std::uint8_t& LightingSlider(std::size_t row) { return At(field::kLightingSlider, row); }
  std::uint8_t LightingSlider(std::size_t row) const { return At(field::kLightingSlider, row); }

  // Button index 0..11 ("Button 1" is 0).
  std::uint8_t& FunctionType(std::size_t button) { return At(field::kFunctionType, button); }
  std::uint8_t& ScrollChoice(std::size_t button) { return At(field::kScrollChoice, button); }
  std::uint8_t& CpiChoice(std::size_t button) { return At(field::kCpiChoice, button); }
  std::uint8_t& MediaUsage(std::size_t button) { return At(field::kMediaUsage, button); }
  std::uint8_t& WindowsChoice(std::size_t button) { return At(field::kWindowsChoice, button); }
  std::uint8_t& HotkeyLetter(std::size_t button) { return At(field::kHotkeyLetter, button); }
  std::uint8_t& SingleKey(std::size_t button) { return At(field::kSingleKey, button); }
  std::uint8_t& ComboModifier(std::size_t button) { return At(field::kComboModifier, button); }
  std::uint8_t& ComboKey1(std::size_t button) { return At(field::kComboKey1, button); }
  std::uint8_t& ComboKey2(std::size_t button) { return At(field::kComboKey2, button); }
  std::uint8_t& MacroIndex(std::size_t button) { return At(field::kMacroIndex, button); }
  std::uint8_t& MacroRepeatMode(std::size_t button) { return At(field::kMacroRepeatMode, button); }
  std::uint8_t FunctionType(std::size_t button) const { return At(field::kFunctionType, button); }
  std::uint8_t ScrollChoice(std::size_t button) const { return At(field::kScrollChoice, button); }
  std::uint8_t CpiChoice(std::size_t button) const { return At(field::kCpiChoice, button); }
  std::uint8_t MediaUsage(std::size_t button) const { return At(field::kMediaUsage, button); }
  std::uint8_t WindowsChoice(std::size_t button) const { return At(field::kWindowsChoice, button); }
  std::uint8_t HotkeyLetter(std::size_t button) const { return At(field::kHotkeyLetter, button); }
  std::uint8_t SingleKey(std::size_t button) const { return At(field::kSingleKey, button); }
  std::uint8_t ComboModifier(std::size_t button) const { return At(field::kComboModifier, button); }
  std::uint8_t ComboKey1(std::size_t button) const { return At(field::kComboKey1, button); }
  std::uint8_t ComboKey2(std::size_t button) const { return At(field::kComboKey2, button); }
  std::uint8_t MacroIndex(std::size_t button) const { return At(field::kMacroIndex, button); }
  std::uint8_t MacroRepeatMode(std::size_t button) const { return At(field::kMacroRepeatMode, button); }

  std::span<std::uint8_t, kMacroTableSize> MacroTable() {
    return std::span(bytes_).subspan<field::kMacroTable.offset, kMacroTableSize>();
  }
  std::span<const std::uint8_t, kMacroTableSize> MacroTable() const {
    return std::span(bytes_).subspan<field::kMacroTable.offset, kMacroTableSize>();
  }
  // Block k (0..11) of the macro table.
  std::span<std::uint8_t, kMacroBlockSize> MacroBlock(std::size_t k) {
    assert(k < kMacroBlockCount);
    return MacroTable().subspan(k * kMacroBlockSize).first<kMacroBlockSize>();
  }
  std::span<const std::uint8_t, kMacroBlockSize> MacroBlock(std::size_t k) const {
    assert(k < kMacroBlockCount);
    return MacroTable().subspan(k * kMacroBlockSize).first<kMacroBlockSize>();
  }

  friend bool operator==(const ProfileRecord&, const ProfileRecord&) = default;

 private:
  std::uint8_t& At(const RecordField& f, std::size_t i) {
    assert(i < f.count);
    return bytes_[f.offset + i];
  }
  std::uint8_t At(const RecordField& f, std::size_t i) const {
    assert(i < f.count);
    return bytes_[f.offset + i];
  }

  Bytes bytes_;
};

static_assert(sizeof(ProfileRecord) == kRecordSize);

}  // namespace quendar::profiles
