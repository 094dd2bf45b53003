# Runs one scenario through pistorelle-replay and compares its output (with the exit code and
# any error text appended) with the expected file. Variables: REPLAY, SZENARIO, ERWARTET,
# EINSTELLUNGEN, DB, AKTUELL.
file(REMOVE ${DB})
execute_process(
    COMMAND ${REPLAY} --db ${DB} --settings ${EINSTELLUNGEN} ${SZENARIO}
    OUTPUT_VARIABLE aus ERROR_VARIABLE fehler RESULT_VARIABLE rc)
string(APPEND aus "exit ${rc}\n")
if(NOT fehler STREQUAL "")
    string(APPEND aus "stderr ${fehler}")
endif()
file(READ ${ERWARTET} erwartet)
if(NOT aus STREQUAL erwartet)
    file(WRITE ${AKTUELL} "${aus}")
    execute_process(COMMAND diff -u ${ERWARTET} ${AKTUELL})
    message(FATAL_ERROR "Ausgabe weicht ab, siehe ${AKTUELL}")
endif()
