# The release of the real-mouse program: a per-user NSIS installer and a portable zip, both made from
# one staged folder (the program beside its run-time files, exactly as it runs), into dist/:
#   QUENDAR-2017-<version>-setup.exe    QUENDAR-2017-<version>-portable.zip
# Target `windows_package` (part of every win64 build; scripts/package.sh builds only it).
find_program(QUENDAR_MAKENSIS makensis)

set(QUENDAR_DIST_DIR ${CMAKE_BINARY_DIR}/dist)
set(QUENDAR_SETUP_EXE ${QUENDAR_DIST_DIR}/QUENDAR-2017-${PROJECT_VERSION}-setup.exe)
set(QUENDAR_PORTABLE_ZIP ${QUENDAR_DIST_DIR}/QUENDAR-2017-${PROJECT_VERSION}-portable.zip)

if(NOT QUENDAR_MAKENSIS)
  message(WARNING "makensis not found (scripts/bootstrap.sh installs nsis): no Windows installer")
  return()
endif()

set(_stage_root ${QUENDAR_DIST_DIR}/stage)
set(_stage "${_stage_root}/QUENDAR 2017")
set(_nsis_dir ${CMAKE_SOURCE_DIR}/packaging/windows)

# The skin files this package ships, listed one by one: install writes exactly these and uninstall
# removes exactly these (and then the folders they leave empty), so skins and files the user or another
# program put under Skins stay.
file(GLOB_RECURSE _skin_files RELATIVE ${QUENDAR_RUNTIME_DIR}/Skins LIST_DIRECTORIES false CONFIGURE_DEPENDS
     ${QUENDAR_RUNTIME_DIR}/Skins/*)
list(SORT _skin_files)
set(_install_skins "")
set(_remove_skins "")
set(_skin_folders "")
set(_out_path "")
foreach(file ${_skin_files})
  string(REPLACE "/" "\\" win_file "${file}")
  get_filename_component(folder "${file}" DIRECTORY)
  string(REPLACE "/" "\\" win_folder "${folder}")
  if(NOT folder STREQUAL _out_path)
    string(APPEND _install_skins "  SetOutPath \"$INSTDIR\\Skins\\${win_folder}\"\n")
    set(_out_path "${folder}")
  endif()
  string(APPEND _install_skins "  File \"\${STAGE}\\Skins\\${win_file}\"\n")
  string(APPEND _remove_skins "  Delete \"$INSTDIR\\Skins\\${win_file}\"\n")
  # Every folder on the way up, so the deepest are removed first below.
  while(NOT folder STREQUAL "")
    list(APPEND _skin_folders "${folder}")
    get_filename_component(folder "${folder}" DIRECTORY)
  endwhile()
endforeach()
list(REMOVE_DUPLICATES _skin_folders)
list(SORT _skin_folders)
list(REVERSE _skin_folders)
foreach(folder ${_skin_folders})
  string(REPLACE "/" "\\" win_folder "${folder}")
  # Without /r: a folder still holding something not shipped stays.
  string(APPEND _remove_skins "  RMDir \"$INSTDIR\\Skins\\${win_folder}\"\n")
endforeach()
string(REGEX MATCH "^[0-9]+\\.[0-9]+\\.[0-9]+" _version_core "${PROJECT_VERSION}")
set(_build_config ${CMAKE_BINARY_DIR}/packaging/build_config.nsh)
file(CONFIGURE OUTPUT ${_build_config} CONTENT [=[
; Written by cmake/WindowsPackage.cmake.
!define VERSION "@PROJECT_VERSION@"
!define VERSION_QUAD "@_version_core@.0"
!define STAGE "@_stage@"
!define ICON "@CMAKE_SOURCE_DIR@/src/win32/res/quendar.ico"
!define OUTFILE "@QUENDAR_SETUP_EXE@"
!macro INSTALL_SHIPPED_SKINS
@_install_skins@!macroend
!macro REMOVE_SHIPPED_SKINS
@_remove_skins@!macroend
]=] @ONLY)

file(GLOB_RECURSE _runtime_files CONFIGURE_DEPENDS ${QUENDAR_RUNTIME_DIR}/*)
add_custom_command(
  OUTPUT ${QUENDAR_SETUP_EXE} ${QUENDAR_PORTABLE_ZIP}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${_stage_root}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${_stage}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:quendar_app> ${_stage}/
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${QUENDAR_RUNTIME_DIR} ${_stage}
  COMMAND ${QUENDAR_MAKENSIS} -V2 -INPUTCHARSET UTF8 -DBUILD_CONFIG=${_build_config} ${_nsis_dir}/quendar.nsi
  COMMAND ${CMAKE_COMMAND} -E rm -f ${QUENDAR_PORTABLE_ZIP}
  COMMAND ${CMAKE_COMMAND} -E chdir ${_stage_root}
          ${CMAKE_COMMAND} -E tar cf ${QUENDAR_PORTABLE_ZIP} --format=zip "QUENDAR 2017"
  DEPENDS quendar_app ${_nsis_dir}/quendar.nsi ${_nsis_dir}/messages.nsh ${_build_config} ${_runtime_files}
          ${CMAKE_SOURCE_DIR}/src/win32/res/quendar.ico
  COMMENT "Packaging the installer and the portable zip"
  VERBATIM)
add_custom_target(windows_package ALL DEPENDS ${QUENDAR_SETUP_EXE} ${QUENDAR_PORTABLE_ZIP})
