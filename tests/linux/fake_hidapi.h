#pragma once
// A fake of hidapi's functions, linked in place of the library: the listing, the nodes and their
// reports are those of a simulated mouse. Calls made while no machine is installed, and calls on a
// node the fake cannot play, fail the running test.
#include <memory>

#include "sim/simulated_mouse.h"

namespace quendar::linux_hid::testing {

// The machine the hid_* functions answer for while this lives (one at a time). `openError`: every
// open of a node fails with this errno (0: opens succeed).
struct FakeHidapiMachine {
  explicit FakeHidapiMachine(std::shared_ptr<sim::SimulatedMouse> mouse, int openError = 0);
  ~FakeHidapiMachine();
  FakeHidapiMachine(const FakeHidapiMachine&) = delete;
  FakeHidapiMachine& operator=(const FakeHidapiMachine&) = delete;
  sim::SimulatedMouse& Mouse() { return *mouse; }

  const std::shared_ptr<sim::SimulatedMouse> mouse;
  const int openError;
};

}  // namespace quendar::linux_hid::testing
