# Fails when PROGRAM needs a library matching FORBIDDEN (readelf's NEEDED
# entries); REASON says why it must not.
execute_process(COMMAND readelf -d ${PROGRAM} OUTPUT_VARIABLE dynamic RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "readelf could not read ${PROGRAM}")
endif()
if(NOT dynamic MATCHES "libQt6Core")
  message(FATAL_ERROR "${PROGRAM} does not link Qt Core: the check reads the wrong thing")
endif()
if(dynamic MATCHES "${FORBIDDEN}")
  message(FATAL_ERROR "${PROGRAM} needs ${CMAKE_MATCH_0}: ${REASON}")
endif()
