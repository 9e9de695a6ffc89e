#include "sim/wire_log.h"

#include <cstdio>

#include "core/text/hex.h"

namespace quendar::sim {

namespace {

const char* Prefix(WireKind kind) {
  switch (kind) {
    case WireKind::FeatureOut: return "F>";
    case WireKind::FeatureIn: return "F<";
    case WireKind::ReportOut: return "O>";
    case WireKind::ReportIn: return "I<";
    case WireKind::EventIn: return "E<";
    case WireKind::Wait: return "wait";
  }
  return "?";
}

}  // namespace

std::vector<std::uint8_t> WireEntry::Payload() const {
  if (bytes.empty()) return {};
  return std::vector<std::uint8_t>(bytes.begin() + 1, bytes.end());
}

std::string FormatWireEntry(const WireEntry& entry) {
  std::string line = Prefix(entry.kind);
  char text[32];
  if (entry.kind == WireKind::Wait) {
    const long long us = entry.pause.count();
    if (us % 1000 == 0) {
      std::snprintf(text, sizeof text, " %lld", us / 1000);
    } else {
      std::snprintf(text, sizeof text, " %.3f", static_cast<double>(us) / 1000.0);
    }
    return line + text;
  }
  if (!entry.bytes.empty()) line += ' ' + text::HexBytes(entry.bytes);
  if (!entry.ok) line += " !";
  return line;
}

std::string FormatWireLog(const std::vector<WireEntry>& entries) {
  std::string text;
  for (const WireEntry& entry : entries) {
    text += FormatWireEntry(entry);
    text += '\n';
  }
  return text;
}

}  // namespace quendar::sim
