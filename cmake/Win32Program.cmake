# The Win32 shell and the two builds of the program:
#   bin/QUENDAR 2017.exe   talks to the real mouse through SetupAPI/HID;
#   demo/QUENDAR 2017.exe  the same program wired to the simulated mouse (demo run, end-to-end tests).
enable_language(RC)

file(GLOB_RECURSE SHELL_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/src/win32/*.cpp ${CMAKE_SOURCE_DIR}/src/win32/*.h)
list(FILTER SHELL_SOURCES EXCLUDE REGEX "/src/win32/(demo|programs)/")
file(GLOB_RECURSE DEMO_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/src/win32/demo/*.cpp ${CMAKE_SOURCE_DIR}/src/win32/demo/*.h)

set(QUENDAR_WIN32_LIBS gdiplus setupapi hid gdi32 user32 shell32 comctl32 msimg32 ole32 oleaut32 uuid)
set(QUENDAR_WIN32_DEFS UNICODE _UNICODE NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)

add_library(quendar_shell STATIC ${SHELL_SOURCES})
target_compile_definitions(quendar_shell PUBLIC ${QUENDAR_WIN32_DEFS})
target_include_directories(quendar_shell PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(quendar_shell PUBLIC quendar_core quendar_platform ${QUENDAR_WIN32_LIBS})

if(DEMO_SOURCES)
  add_library(quendar_demo_shell STATIC ${DEMO_SOURCES})
  target_link_libraries(quendar_demo_shell PUBLIC quendar_shell quendar_sim)
else()
  add_library(quendar_demo_shell INTERFACE)
  target_link_libraries(quendar_demo_shell INTERFACE quendar_shell quendar_sim)
endif()

set(QUENDAR_RC ${CMAKE_SOURCE_DIR}/src/win32/res/quendar.rc)
set_source_files_properties(${QUENDAR_RC} PROPERTIES
  OBJECT_DEPENDS "${CMAKE_SOURCE_DIR}/src/win32/res/quendar.ico;${CMAKE_SOURCE_DIR}/src/win32/res/quendar.manifest;${CMAKE_SOURCE_DIR}/src/win32/res/scroll_thumb.png")

function(quendar_program target dir main_source)
  add_executable(${target} WIN32 ${main_source} ${QUENDAR_RC})
  set_target_properties(${target} PROPERTIES
    OUTPUT_NAME "QUENDAR 2017"
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/${dir})
  target_link_options(${target} PRIVATE -municode -mwindows)
  target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/src/win32/res)
  quendar_stage_runtime(${target})
endfunction()

quendar_program(quendar_app bin ${CMAKE_SOURCE_DIR}/src/win32/programs/quendar_main.cpp)
target_link_libraries(quendar_app PRIVATE quendar_shell)

quendar_program(quendar_demo demo ${CMAKE_SOURCE_DIR}/src/win32/programs/quendar_demo_main.cpp)
target_link_libraries(quendar_demo PRIVATE quendar_demo_shell)
target_compile_definitions(quendar_demo PRIVATE QUENDAR_SIMULATED=1)
