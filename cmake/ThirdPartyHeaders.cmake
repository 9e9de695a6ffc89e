# CLI11 and nlohmann-json are header-only Debian packages, offered through one interface target. The
# cross compiler must not search /usr/include as a whole (glibc headers), so for it only the two library
# folders are exposed.
add_library(quendar_third_party_headers INTERFACE)
if(CMAKE_CROSSCOMPILING)
  set(_third_party ${CMAKE_BINARY_DIR}/third_party_include)
  file(MAKE_DIRECTORY ${_third_party})
  foreach(lib CLI nlohmann)
    if(NOT EXISTS ${_third_party}/${lib})
      file(CREATE_LINK /usr/include/${lib} ${_third_party}/${lib} SYMBOLIC)
    endif()
  endforeach()
  target_include_directories(quendar_third_party_headers SYSTEM INTERFACE ${_third_party})
else()
  find_package(CLI11 REQUIRED)
  find_package(nlohmann_json REQUIRED)
  target_link_libraries(quendar_third_party_headers INTERFACE CLI11::CLI11 nlohmann_json::nlohmann_json)
endif()
