# Installs the build into a fresh prefix and imports the installed module from it.
# Arguments: BUILD_DIR, PREFIX, QML_DIR (relative to the prefix), IMPORT_CHECK.
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
