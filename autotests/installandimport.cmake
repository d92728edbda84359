# Installs the build into a fresh prefix and imports the installed module from it;
# then the documented host pages load from there, and the installed preview finds its
# module and German catalogue with no variable naming the prefix.
# Arguments: BUILD_DIR, PREFIX, QML_DIR and BIN_DIR (relative to the prefix),
# IMPORT_CHECK, HOST_CHECK, HOST_PAGES (Markdown files, separated by commas).
file(REMOVE_RECURSE "${PREFIX}")

execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${PREFIX}"
    RESULT_VARIABLE result OUTPUT_QUIET)
if(result)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(module "${PREFIX}/${QML_DIR}/nimbara/orvadmindate")
foreach(file qmldir liborv-admin-date-plugin.so)
    if(NOT EXISTS "${module}/${file}")
        message(FATAL_ERROR "${module}/${file} was not installed")
    endif()
endforeach()
foreach(language de ru)
    file(GLOB_RECURSE catalogue "${PREFIX}/*/locale/${language}/LC_MESSAGES/orv-admin-date-plugin.mo")
    if(NOT catalogue)
        message(FATAL_ERROR "the ${language} catalogue was not installed")
    endif()
endforeach()

execute_process(COMMAND "${IMPORT_CHECK}" "${PREFIX}/${QML_DIR}" RESULT_VARIABLE result)
if(result)
    message(FATAL_ERROR "the installed module did not import")
endif()

string(REPLACE "," ";" host_pages "${HOST_PAGES}")
execute_process(COMMAND "${HOST_CHECK}" example "${PREFIX}/${QML_DIR}" ${host_pages} RESULT_VARIABLE result)
if(result)
    message(FATAL_ERROR "a documented host page did not load from the installed module")
endif()

execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=QML2_IMPORT_PATH --unset=XDG_DATA_DIRS
        "${PREFIX}/${BIN_DIR}/orv-admin-date-preview" --lang de --screenshot "${PREFIX}/preview-de.png"
    RESULT_VARIABLE result ERROR_VARIABLE errors)
if(result OR NOT EXISTS "${PREFIX}/preview-de.png" OR errors MATCHES "no translation|is not installed")
    message(FATAL_ERROR "the installed preview did not run in German from its prefix (${result}):\n${errors}")
endif()
