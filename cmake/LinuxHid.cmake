# The Linux HID backend on hidapi's hidraw flavour (Debian: libhidapi-dev). The backend library leaves
# the hidapi functions unresolved: quendarctl links the real library, the backend's tests a fake of it
# over the simulated mouse.
find_package(PkgConfig QUIET)
if(PKG_CONFIG_FOUND)
  pkg_check_modules(HIDAPI_HIDRAW IMPORTED_TARGET hidapi-hidraw)
endif()
if(TARGET PkgConfig::HIDAPI_HIDRAW)
  quendar_glob(LINUX_HID_SOURCES src/linux_hid)
  add_library(quendar_linux_hid STATIC ${LINUX_HID_SOURCES})
  target_link_libraries(quendar_linux_hid PUBLIC quendar_core)
  target_compile_definitions(quendar_linux_hid PUBLIC QUENDAR_HIDAPI=1)
else()
  message(STATUS "hidapi-hidraw not found: quendarctl is built without a Linux HID backend")
endif()
