# The release, from the one list of shipped files (dist/files.txt): each file gets its
# version resource, is linked for the older systems (MovOldWindows.cmake) and is stripped as
# it is linked (its debug information stays in bin/.debug); `dist` packs the zip and, where
# makensis is installed, the installer.

file(STRINGS ${PROJECT_SOURCE_DIR}/dist/files.txt lines ENCODING UTF-8)
set(MOV_SHIPPED "")
set(shipped_targets "")
set(shipped_scripts "")
set(install_lines "")
set(delete_lines "")
set(release_version "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0")
foreach(line IN LISTS lines)
  if(line MATCHES "^[ \t]*(#|$)")
    continue()
  endif()
  string(REPLACE "|" ";" fields "${line}")
  list(LENGTH fields n)
  if(NOT n EQUAL 4)
    message(FATAL_ERROR "dist/files.txt: '${line}' needs four fields separated by |")
  endif()
  list(TRANSFORM fields STRIP)
  list(GET fields 0 MOV_FILE)
  list(GET fields 1 MOV_VERSION)
  list(GET fields 2 MOV_DESC_JA)
  list(GET fields 3 MOV_DESC_EN)
  get_filename_component(MOV_STEM ${MOV_FILE} NAME_WE)
  if(MOV_FILE MATCHES "\\.sh$")
    # A script for the Linux side goes out as it is in dist/, with Unix line ends.
    add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/bin/${MOV_FILE}
      COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/dist/${MOV_FILE} ${PROJECT_BINARY_DIR}/bin/${MOV_FILE}
      DEPENDS ${PROJECT_SOURCE_DIR}/dist/${MOV_FILE} VERBATIM)
    add_custom_target(${MOV_STEM} ALL DEPENDS ${PROJECT_BINARY_DIR}/bin/${MOV_FILE})
    list(APPEND shipped_scripts ${PROJECT_BINARY_DIR}/bin/${MOV_FILE})  # a custom target alone gives no file dependency
  elseif(NOT TARGET ${MOV_STEM})
    message(FATAL_ERROR "dist/files.txt names ${MOV_FILE}, but there is no target ${MOV_STEM}")
  endif()
  if(MOV_VERSION STREQUAL "-")
    set(MOV_VERSION ${release_version})
  endif()
  string(REPLACE "." "," MOV_VERSION_COMMAS ${MOV_VERSION})
  if(MOV_FILE MATCHES "\\.[Ee][Xx][Ee]$")
    set(MOV_FILETYPE VFT_APP)
  else()
    set(MOV_FILETYPE VFT_DLL)
  endif()
  list(APPEND MOV_SHIPPED ${MOV_FILE})
  list(APPEND shipped_targets ${MOV_STEM})
  string(APPEND install_lines "  File \"${PROJECT_BINARY_DIR}/bin/${MOV_FILE}\"\n")
  string(APPEND delete_lines "  Delete \"$INSTDIR\\${MOV_FILE}\"\n")
  if(NOT MOV_FILE MATCHES "\\.(exe|dll|SPI)$")
    continue()
  endif()
  configure_file(${PROJECT_SOURCE_DIR}/cmake/version.rc.in ${PROJECT_BINARY_DIR}/version/${MOV_STEM}.rc @ONLY)
  target_sources(${MOV_STEM} PRIVATE ${PROJECT_BINARY_DIR}/version/${MOV_STEM}.rc)
  if(CMAKE_OBJCOPY AND CMAKE_STRIP)
    set(launcher sh ${PROJECT_SOURCE_DIR}/cmake/split_debug.sh ${CMAKE_OBJCOPY} ${CMAKE_STRIP})
    set_target_properties(${MOV_STEM} PROPERTIES C_LINKER_LAUNCHER "${launcher}" CXX_LINKER_LAUNCHER "${launcher}")
  endif()
  mov_for_old_windows(${MOV_STEM})
endforeach()

set(bin ${PROJECT_BINARY_DIR}/bin)

# The readme as Windows' Notepad reads it: Shift-JIS with CR LF line ends.
add_custom_command(OUTPUT ${bin}/README.txt
  COMMAND sh -c "iconv -f UTF-8 -t CP932 \"$1\" | sed 's/$/\\r/' > \"$2\"" sh
          ${PROJECT_SOURCE_DIR}/dist/README.txt ${bin}/README.txt
  DEPENDS ${PROJECT_SOURCE_DIR}/dist/README.txt VERBATIM)

set(zip ${PROJECT_BINARY_DIR}/Movani32-${PROJECT_VERSION}.zip)
add_custom_command(OUTPUT ${zip}
  COMMAND ${CMAKE_COMMAND} -E rm -f ${zip}
  COMMAND ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip ${MOV_SHIPPED} README.txt Movani32.html
  WORKING_DIRECTORY ${bin}
  DEPENDS ${shipped_targets} ${shipped_scripts} ${bin}/README.txt Movani32_manual ${bin}/Movani32.html
  COMMENT "Packing Movani32-${PROJECT_VERSION}.zip" VERBATIM)
set(dist_outputs ${zip})

find_program(MAKENSIS makensis)
if(MAKENSIS)
  file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/installer/files.nsh CONTENT
"; The shipped files, written by the build from dist/files.txt.
!macro MovInstallFiles
${install_lines}!macroend
!macro MovDeleteFiles
${delete_lines}!macroend
")
  set(setup ${PROJECT_BINARY_DIR}/Movani32-${PROJECT_VERSION}-setup.exe)
  set(nsis_defs -DVERSION=${PROJECT_VERSION} -DVERSION4=${release_version} -DBIN=${bin}
      -DSRC=${PROJECT_SOURCE_DIR} -DFILES=${PROJECT_BINARY_DIR}/installer/files.nsh -DOUT=${setup})
  if(MOV_MINGW_ARCH STREQUAL "x86_64")
    list(APPEND nsis_defs -DMOV_AMD64)
  endif()
  add_custom_command(OUTPUT ${setup}
    COMMAND ${MAKENSIS} -V2 -INPUTCHARSET UTF8 ${nsis_defs} ${PROJECT_SOURCE_DIR}/dist/Movani32.nsi
    DEPENDS ${zip} ${PROJECT_SOURCE_DIR}/dist/Movani32.nsi ${PROJECT_BINARY_DIR}/installer/files.nsh
            ${PROJECT_SOURCE_DIR}/ui/res/movani32.ico
    COMMENT "Building Movani32-${PROJECT_VERSION}-setup.exe" VERBATIM)
  list(APPEND dist_outputs ${setup})
else()
  message(STATUS "makensis not found: no installer")
endif()

add_custom_target(dist ALL DEPENDS ${dist_outputs})
