# Source lists are globbed per folder so that a new file in a subsystem needs no edit here.
function(quendar_glob out dir)
  file(GLOB_RECURSE _cpp CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
  file(GLOB_RECURSE _h CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.h)
  if(NOT _cpp)
    set(_cpp ${CMAKE_SOURCE_DIR}/cmake/empty.cpp)
  endif()
  set(${out} ${_cpp} ${_h} PARENT_SCOPE)
endfunction()
