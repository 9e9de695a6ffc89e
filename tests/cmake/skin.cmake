# The default skin is generated: the committed files must be exactly what the generator renders from the
# manifest, and their pixels must keep the promises the drawing code relies on. Both need Debian's Python
# with Pillow (the pyenv python3 on PATH has no Pillow).
if(EXISTS /usr/bin/python3 AND QUENDAR_SOURCE_CHECKS AND NOT CMAKE_CROSSCOMPILING)
  add_test(NAME skin_committed_files_match_generator
    COMMAND /usr/bin/python3 ${CMAKE_SOURCE_DIR}/tools/skin/generate_skin.py --verify)
  add_test(NAME skin_pixels_show_what_the_layout_expects
    COMMAND /usr/bin/python3 ${CMAKE_SOURCE_DIR}/tests/native/skin/skin_pixels_check.py)
  set_tests_properties(skin_committed_files_match_generator skin_pixels_show_what_the_layout_expects PROPERTIES
    ENVIRONMENT "PYTHONDONTWRITEBYTECODE=1" TIMEOUT 300)
endif()
