# One catalogue: compiles under msgfmt --check, and translates every message of the
# template, none left empty or fuzzy (msgcmp reports both, and any message missing).
execute_process(COMMAND ${MSGFMT} --check --statistics -o /dev/null ${CATALOGUE}
    RESULT_VARIABLE result ERROR_VARIABLE statistics)
if(NOT result EQUAL 0 OR statistics MATCHES "fuzzy|untranslated")
    message(FATAL_ERROR "msgfmt --check ${CATALOGUE}: ${statistics}")
endif()
execute_process(COMMAND ${MSGCMP} ${CATALOGUE} ${TEMPLATE} RESULT_VARIABLE result ERROR_VARIABLE missing)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "msgcmp ${CATALOGUE}: ${missing}")
endif()
