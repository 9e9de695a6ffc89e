# The output formats of quendarctl's encoding commands, which other tools parse, and their error exits.
if(TARGET quendarctl AND NOT CMAKE_CROSSCOMPILING)
  add_test(NAME encoding_quendarctl_formats
    COMMAND /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/../scripts/check_quendarctl_encoding.py
            $<TARGET_FILE:quendarctl> ${QUENDAR_RUNTIME_DIR})
endif()
