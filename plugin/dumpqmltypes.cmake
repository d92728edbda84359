# Dumps the module's plugins.qmltypes with qmlplugindump from the build tree.
#   cmake -DQMLPLUGINDUMP=... -DIMPORT_PATH=<build>/qml -DOUTPUT=<file> [-DCOMPARE_WITH=<file>] -P dumpqmltypes.cmake
# With COMPARE_WITH, fails when the dump differs from that file (a stale plugins.qmltypes).

execute_process(
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
        ${QMLPLUGINDUMP} -nonrelocatable -noforceqtquick nimbara.orvadmindate 1.0 ${IMPORT_PATH}
    OUTPUT_VARIABLE dump
    ERROR_VARIABLE errors
    RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR dump STREQUAL "")
    message(FATAL_ERROR "qmlplugindump failed (${result}):\n${errors}")
endif()

# The dump names the build directory it ran in; the file in the sources names the target instead.
string(REGEX REPLACE "// '[^\n]*'" "// 'cmake --build <build> --target update-qmltypes'" dump "${dump}")
file(WRITE "${OUTPUT}" "${dump}")

if(COMPARE_WITH)
    file(READ "${COMPARE_WITH}" kept)
    if(NOT kept STREQUAL dump)
        message(FATAL_ERROR "${COMPARE_WITH} no longer matches the plugin's types; "
                            "run: cmake --build <build> --target update-qmltypes")
    endif()
    message(STATUS "${COMPARE_WITH} matches the plugin's types")
endif()
