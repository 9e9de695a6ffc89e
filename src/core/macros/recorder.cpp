#include "core/macros/recorder.h"

#include "core/macros/macro_item.h"

namespace quendar::macros {

void MacroRecorder::Start() {
  eventCount_ = 0;
  phase_ = RecordPhase::AwaitingFirstEvent;
  recording_ = true;
}

bool MacroRecorder::Stop() {
  eventCount_ = 0;
  if (!recording_) return false;
  recording_ = false;
  phase_ = RecordPhase::Stopped;
  return true;
}

void MacroRecorder::Abandon() {
  eventCount_ = 0;
  recording_ = false;
}

std::optional<KeyEventKind> MacroRecorder::Report(const Keystroke& keystroke) {
  if (!recording_) return std::nullopt;
  currentKeyName_ = keystroke.keyName.substr(0, kMaxKeyNameChars);
  // A held key repeats its press; only the first one counts. The same test on a release only drops a
  // release that claims the key was up, which the platform does not send.
  const bool sameKey = currentKeyName_ == previousKeyName_;
  if (!keystroke.release && sameKey && keystroke.wasDown) return std::nullopt;
  if (keystroke.release && sameKey && !keystroke.wasDown) return std::nullopt;
  ++eventCount_;
  return keystroke.release ? KeyEventKind::Release : KeyEventKind::Press;
}

RecordedEvent MacroRecorder::RecordKeyEvent(KeyEventKind kind, std::uint32_t nowTick, bool recordDelays) {
  RecordedEvent recorded;
  if (eventCount_ > kMaxRecordedEvents) {
    recorded.limitReached = true;
    return recorded;
  }
  std::wstring item = kind == KeyEventKind::Release ? ReleaseItem(currentKeyName_) : PressItem(currentKeyName_);
  if (phase_ == RecordPhase::AwaitingFirstEvent) {
    phase_ = RecordPhase::Recording;
  } else if (recordDelays) {
    const std::uint32_t elapsed = nowTick - lastEventTick_;
    recorded.items.push_back(std::to_wstring(elapsed) + std::wstring(kDelaySuffix));
  }
  recorded.items.push_back(std::move(item));
  lastEventTick_ = nowTick;
  previousKeyName_ = currentKeyName_;
  return recorded;
}

}  // namespace quendar::macros
