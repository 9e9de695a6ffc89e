# The committed default profile files must be exactly what tools/defaults/defaults.json describes.
if(TARGET quendar_make_defaults AND QUENDAR_SOURCE_CHECKS)
  add_test(NAME profiles_defaults_match_description
    COMMAND quendar_make_defaults --check ${CMAKE_SOURCE_DIR}/tools/defaults/defaults.json ${QUENDAR_RUNTIME_DIR})
endif()

# quendarctl show: every field by name, as text and as JSON; clear failures for anything but a profile.
if(TARGET quendarctl AND NOT CMAKE_CROSSCOMPILING)
  add_test(NAME quendarctl_show_names_every_field
    COMMAND quendarctl show ${QUENDAR_RUNTIME_DIR}/config0.bin)
  set_tests_properties(quendarctl_show_names_every_field PROPERTIES
    PASS_REGULAR_EXPRESSION "CpiStageColor \\(0x017\\): 255 0 0 \\|.*MacroRepeatMode \\(0x123\\).*block 11:")
  add_test(NAME quendarctl_show_json
    COMMAND quendarctl show --json ${QUENDAR_RUNTIME_DIR}/config3.bin)
  set_tests_properties(quendarctl_show_json PROPERTIES
    PASS_REGULAR_EXPRESSION "\"FirstRunFlag\": 0,[ \n]*\"ProfileNumber\": 3,.*\"reserved\": {")
  add_test(NAME quendarctl_show_rejects_wrong_size COMMAND quendarctl show ${QUENDAR_RUNTIME_DIR}/str.ini)
  add_test(NAME quendarctl_show_rejects_missing_file COMMAND quendarctl show ${QUENDAR_RUNTIME_DIR}/none.bin)
  set_tests_properties(quendarctl_show_rejects_wrong_size quendarctl_show_rejects_missing_file PROPERTIES WILL_FAIL TRUE)
endif()

if(TARGET bench_ini_store)
  target_compile_definitions(bench_ini_store PRIVATE QUENDAR_RUNTIME_DIR="${QUENDAR_RUNTIME_DIR}")
endif()
