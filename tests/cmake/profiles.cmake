# The committed default profile files must be exactly what tools/defaults/defaults.json describes.
if(TARGET quendar_make_defaults)
  add_test(NAME profiles_defaults_match_description
    COMMAND quendar_make_defaults --check ${CMAKE_SOURCE_DIR}/tools/defaults/defaults.json ${QUENDAR_RUNTIME_DIR})
endif()
