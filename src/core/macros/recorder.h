#pragma once
// Recording a macro from keystrokes. A keyboard hook reports each keystroke (Report); the macro manager
// turns each report into items (RecordKeyEvent). Both run on the user-interface thread, one report at a
// time, so the recorder needs no lock. The recorder outlives a single macro manager dialog.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quendar::macros {

// 2 lasts until the next start: the keyboard filter of the macro manager reads it.
enum class RecordPhase : std::uint8_t { AwaitingFirstEvent = 0, Recording = 1, Stopped = 2 };

// The first parameter of the key event message the macro manager receives.
enum class KeyEventKind : std::uint8_t { Press = 0, Release = 1, DelayEdited = 7 };

// A recording keeps this many keystrokes; the next one ends it.
inline constexpr unsigned kMaxRecordedEvents = 64;
// Key names are kept to what the platform's 32-character name buffer holds.
inline constexpr std::size_t kMaxKeyNameChars = 31;

// One keystroke as the hook sees it.
struct Keystroke {
  std::wstring keyName;
  bool release = false;  // the key is going up
  bool wasDown = false;  // the key was already down: for a press, an auto-repeat
};

// What the macro manager adds to the sequence for one reported event; `limitReached` says the
// recording must stop instead and nothing is added.
struct RecordedEvent {
  std::vector<std::wstring> items;
  bool limitReached = false;
};

class MacroRecorder {
 public:
  bool recording() const { return recording_; }
  RecordPhase phase() const { return phase_; }
  unsigned eventCount() const { return eventCount_; }

  // The hook is installed; the next event is the first of the recording.
  void Start();
  // Ends a recording in progress; true when one was in progress (its sequence is then to be saved).
  bool Stop();
  // Ends a recording without saving it, as closing the macro manager does; the phase stays.
  void Abandon();

  // A keystroke reported by the hook: the event to send to the macro manager, or nothing for an
  // auto-repeat of the key recorded last (and for anything reported while not recording).
  std::optional<KeyEventKind> Report(const Keystroke& keystroke);

  // The macro manager's handling of a reported press or release at `nowTick` (the platform's millisecond
  // counter; differences wrap in 32 bits). `recordDelays` is read at each event.
  RecordedEvent RecordKeyEvent(KeyEventKind kind, std::uint32_t nowTick, bool recordDelays);

 private:
  bool recording_ = false;
  RecordPhase phase_ = RecordPhase::AwaitingFirstEvent;
  unsigned eventCount_ = 0;
  std::wstring currentKeyName_;
  std::wstring previousKeyName_;
  std::uint32_t lastEventTick_ = 0;
};

// The tick-box flags are program-wide: they hold the flags of the macro last loaded, or as the user last
// toggled them, from one macro manager to the next.
struct MacroOptions {
  bool recordDelays = false;
  bool useLoopCount = false;
};

// The macro state that lives as long as the program; the application owns one and lends it to each
// macro manager.
struct MacroSession {
  MacroRecorder recorder;
  MacroOptions options;
};

}  // namespace quendar::macros
