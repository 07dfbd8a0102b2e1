# Ejecuta velmora-calc sobre ENTRADA y compara su salida con ESPERADA; si difieren, dice la
# primera línea distinta (con cmp) y cuántas lo son (con diff).
execute_process(COMMAND "${PROGRAMA}" "${ENTRADA}" RESULT_VARIABLE codigo OUTPUT_FILE "${SALIDA}")
if(NOT codigo EQUAL 0)
    message(FATAL_ERROR "velmora-calc terminó con el código ${codigo}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${SALIDA}" "${ESPERADA}"
                RESULT_VARIABLE distintos)
if(distintos)
    execute_process(COMMAND cmp "${SALIDA}" "${ESPERADA}" OUTPUT_VARIABLE primera)
    execute_process(COMMAND diff --unchanged-line-format= --old-line-format=x\n
                            --new-line-format= "${SALIDA}" "${ESPERADA}"
                    OUTPUT_VARIABLE marcas)
    string(LENGTH "${marcas}" n)
    math(EXPR n "${n} / 2")
    message(FATAL_ERROR "${n} respuestas distintas de las esperadas; ${primera}"
                        "Compárelas con: diff ${SALIDA} ${ESPERADA}")
endif()
