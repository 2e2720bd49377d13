# Installs the "desktop" component (desktop entry, icons, metainfo) into a
# scratch prefix and checks the tree as a package would ship it: the files
# sit where the desktop looks for them, their names agree with each other,
# and both validators accept the installed tree.
#
# Arguments (-D): BUILD_DIR, STAGE, DESKTOP_FILE_VALIDATE, APPSTREAMCLI,
# PROGRAM (the file name of the built program).

foreach(arg BUILD_DIR STAGE DESKTOP_FILE_VALIDATE APPSTREAMCLI PROGRAM)
    if(NOT DEFINED ${arg})
        message(FATAL_ERROR "${arg} is not set")
    endif()
endforeach()

set(failures "")
macro(fail text)
    string(APPEND failures "\n  ${text}")
endmacro()

file(REMOVE_RECURSE "${STAGE}")
execute_process(
    COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --component desktop --prefix "${STAGE}/usr"
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(result)
    message(FATAL_ERROR "cmake --install failed:\n${output}")
endif()
set(share "${STAGE}/usr/share")

# The metainfo: one file, named after the component id it declares.
file(GLOB metainfo_files "${share}/metainfo/*")
list(LENGTH metainfo_files count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "expected one file in share/metainfo, found ${count}: ${metainfo_files}\n"
                        "(is resources/ part of the build?)")
endif()
file(READ "${metainfo_files}" metainfo)
string(REGEX MATCH "<id>([^<]+)</id>" _ "${metainfo}")
set(component_id "${CMAKE_MATCH_1}")
get_filename_component(metainfo_name "${metainfo_files}" NAME)
if(NOT metainfo_name STREQUAL "${component_id}.metainfo.xml")
    fail("metainfo installed as ${metainfo_name}, but its id is \"${component_id}\"")
endif()
string(REGEX MATCH "<binary>([^<]+)</binary>" _ "${metainfo}")
if(NOT CMAKE_MATCH_1 STREQUAL PROGRAM)
    fail("metainfo provides the binary \"${CMAKE_MATCH_1}\", the program is \"${PROGRAM}\"")
endif()

# The desktop entry that the metainfo launches.
string(REGEX MATCH "<launchable type=\"desktop-id\">([^<]+)</launchable>" _ "${metainfo}")
set(desktop_id "${CMAKE_MATCH_1}")
set(desktop_file "${share}/applications/${desktop_id}")
if(desktop_id STREQUAL "" OR NOT EXISTS "${desktop_file}")
    message(FATAL_ERROR "the metainfo launches \"${desktop_id}\", which is not installed in share/applications${failures}")
endif()
execute_process(COMMAND "${DESKTOP_FILE_VALIDATE}" "${desktop_file}"
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(result OR output MATCHES "(error|warning|hint):")
    fail("desktop-file-validate: ${output}")
endif()

file(STRINGS "${desktop_file}" exec_line REGEX "^Exec=")
string(REGEX REPLACE "^Exec=([^ ]+).*" "\\1" exec "${exec_line}")
if(NOT exec STREQUAL PROGRAM)
    fail("the desktop entry runs \"${exec}\", the program is \"${PROGRAM}\"")
endif()

# Its icon, in every size, in the hicolor theme.
file(STRINGS "${desktop_file}" icon_line REGEX "^Icon=")
string(REGEX REPLACE "^Icon=" "" icon "${icon_line}")
foreach(size 16 32 64)
    set(png "${share}/icons/hicolor/${size}x${size}/apps/${icon}.png")
    if(NOT EXISTS "${png}")
        fail("icon \"${icon}\" missing at ${size}x${size}")
    endif()
endforeach()

# AppStream's own check of an installed tree: file names, the launched
# desktop entry and the metadata together.
execute_process(COMMAND "${APPSTREAMCLI}" validate-tree --no-net --strict "${STAGE}"
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(result)
    fail("appstreamcli validate-tree: ${output}")
endif()

if(failures)
    message(FATAL_ERROR "installed desktop files:${failures}")
endif()
message(STATUS "installed desktop files: ${desktop_id}, ${metainfo_name}, icon ${icon} in 16, 32 and 64 pixels")
