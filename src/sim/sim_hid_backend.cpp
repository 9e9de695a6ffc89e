#include "sim/sim_hid_backend.h"

#include "core/device/portable_reader_signal.h"

namespace quendar::sim {

device::DeviceResult<std::unique_ptr<device::ReaderSignal>> SimHidBackend::CreateReaderSignal() {
  if (readerSignalFails_) return device::DeviceFailure{device::DeviceCall::CreateReaderSignal, {}, kOutOfHandles};
  return std::unique_ptr<device::ReaderSignal>(std::make_unique<device::PortableReaderSignal>());
}

}  // namespace quendar::sim
