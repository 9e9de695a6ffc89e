#include "sim/sim_hid_backend.h"

#include "core/device/portable_reader_signal.h"

namespace quendar::sim {

std::unique_ptr<device::ReaderSignal> SimHidBackend::CreateReaderSignal() {
  if (readerSignalFails_) return nullptr;
  return std::make_unique<device::PortableReaderSignal>();
}

}  // namespace quendar::sim
