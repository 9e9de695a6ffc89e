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

# Each shipped skin folder is replaced as a whole on upgrade; skins the user added stay.
file(GLOB _skins LIST_DIRECTORIES true CONFIGURE_DEPENDS ${QUENDAR_RUNTIME_DIR}/Skins/*)
set(_install_skins "")
set(_remove_skins "")
foreach(skin ${_skins})
  if(IS_DIRECTORY ${skin})
    get_filename_component(name ${skin} NAME)
    string(APPEND _install_skins "  RMDir /r \"$INSTDIR\\Skins\\${name}\"\n  File /r \"\${STAGE}\\Skins\\${name}\"\n")
    string(APPEND _remove_skins "  RMDir /r \"$INSTDIR\\Skins\\${name}\"\n")
  endif()
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
