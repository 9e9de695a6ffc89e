# The installer under Wine in a prefix made new for every run: no earlier install, no shared state with
# the other Wine tests.
if(WIN32 AND TARGET windows_package)
  file(GLOB _installer_test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/../wine/installer/*.cpp)
  add_executable(quendar_installer_tests ${_installer_test_sources}
    ${CMAKE_CURRENT_LIST_DIR}/../wine/harness/program.cpp)
  target_include_directories(quendar_installer_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/..)
  target_link_libraries(quendar_installer_tests PRIVATE quendar_core quendar_platform GTest::gtest_main ole32 shell32 uuid advapi32)
  target_compile_definitions(quendar_installer_tests PRIVATE ${QUENDAR_WIN32_DEFS}
    QUENDAR_RUNTIME_DIR="${QUENDAR_RUNTIME_DIR}" QUENDAR_VERSION=L"${PROJECT_VERSION}")
  add_dependencies(quendar_installer_tests windows_package)
  add_test(NAME installer_under_wine
    COMMAND ${CMAKE_CURRENT_LIST_DIR}/../scripts/run_in_fresh_prefix.sh ${CMAKE_BINARY_DIR}/installer-prefix
            $<TARGET_FILE:quendar_installer_tests> --gtest_brief=1)
  set_tests_properties(installer_under_wine PROPERTIES
    ENVIRONMENT "QUENDAR_SETUP_EXE=${QUENDAR_SETUP_EXE};QUENDAR_APP_EXE=$<TARGET_FILE:quendar_app>"
    TIMEOUT 600)
elseif(WIN32)
  add_test(NAME installer_under_wine COMMAND ${CMAKE_COMMAND} -E echo "makensis is missing: run scripts/bootstrap.sh")
  set_tests_properties(installer_under_wine PROPERTIES WILL_FAIL TRUE)
endif()

if(WIN32 AND TARGET windows_package AND EXISTS /usr/bin/python3)
  add_test(NAME portable_zip_holds_the_program_and_its_files
    COMMAND /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/../scripts/check_portable_zip.py
            ${QUENDAR_PORTABLE_ZIP} $<TARGET_FILE:quendar_app> ${QUENDAR_RUNTIME_DIR})
endif()
