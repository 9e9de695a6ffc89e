# Everything that sits beside the executable at run time (default profile files, the skin, the macro
# store) lives below assets/runtime, laid out exactly as beside the executable. Generators write there;
# every build copies it next to its programs.
set(QUENDAR_RUNTIME_DIR ${CMAKE_SOURCE_DIR}/assets/runtime)

function(quendar_stage_runtime target)
  if(EXISTS ${QUENDAR_RUNTIME_DIR})
    add_custom_command(TARGET ${target} POST_BUILD
      COMMAND ${CMAKE_COMMAND} -E copy_directory ${QUENDAR_RUNTIME_DIR} $<TARGET_FILE_DIR:${target}>
      VERBATIM)
  endif()
endfunction()
