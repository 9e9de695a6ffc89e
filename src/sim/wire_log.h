#pragma once
// Everything that crossed the simulated mouse's wire, in order, with the time it happened.
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace quendar::sim {

enum class WireKind {
  FeatureOut,  // "F>" a feature report sent to the mouse (a command packet)
  FeatureIn,   // "F<" a feature report fetched from the mouse (a reply)
  ReportOut,   // "O>" an output report written to the command interface (a data chunk)
  ReportIn,    // "I<" an input report read from the command interface (a data chunk)
  EventIn,     // "E<" an event report delivered on the event interface
  Wait,        // "wait N" a pause of the host between exchanges
};

struct WireEntry {
  std::chrono::microseconds at{0};
  WireKind kind = WireKind::Wait;
  std::vector<std::uint8_t> bytes;     // the whole report, report ID first
  std::chrono::microseconds pause{0};  // Wait only
  bool ok = true;                      // false when the mouse failed the exchange

  // The report's packet or chunk without the report ID.
  std::vector<std::uint8_t> Payload() const;
};

// "F> 00 83 00 ...", "I< 00 04 08 ...", "wait 2"; a failed exchange ends in " !".
std::string FormatWireEntry(const WireEntry& entry);
std::string FormatWireLog(const std::vector<WireEntry>& entries);

}  // namespace quendar::sim
