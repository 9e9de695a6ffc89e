# The Linux HID backend and quendarctl's device commands on it, with hidapi replaced by a fake over the
# simulated mouse (tests/linux/fake_hidapi.cpp defines the hid_* functions).
if(TARGET quendar_linux_hid AND TARGET quendarctl_commands AND NOT WIN32)
  file(GLOB LINUX_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/linux/*.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/linux/*.h)
  add_executable(quendar_linux_tests ${LINUX_TEST_SOURCES})
  target_link_libraries(quendar_linux_tests PRIVATE quendarctl_commands quendar_linux_hid quendar_sim
    GTest::gtest_main GTest::gmock)
  target_include_directories(quendar_linux_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  target_compile_definitions(quendar_linux_tests PRIVATE QUENDAR_RUNTIME_DIR="${QUENDAR_RUNTIME_DIR}")
  gtest_discover_tests(quendar_linux_tests DISCOVERY_TIMEOUT 60)
endif()
