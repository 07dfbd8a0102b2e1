# Ejecuta velmora-calc sobre una tanda de líneas y comprueba su salida y sus códigos de salida.
# Uso: cmake -DPROGRAMA=<velmora-calc> -DTANDA=<fichero> -P EjecutarTanda.cmake

# comprobar(<condición de if()> MENSAJE <texto>)
function(comprobar)
    cmake_parse_arguments(PARSE_ARGV 0 arg "" "MENSAJE" "")
    if(NOT (${arg_UNPARSED_ARGUMENTS}))
        message(FATAL_ERROR "${arg_MENSAJE}")
    endif()
endfunction()

execute_process(COMMAND "${PROGRAMA}" "${TANDA}" RESULT_VARIABLE codigo OUTPUT_VARIABLE salida)
comprobar(codigo EQUAL 0 MENSAJE "Código de salida ${codigo} con líneas erróneas en la tanda")
string(REGEX MATCHALL "[^\n]+" lineas "${salida}")
list(LENGTH lineas n)
comprobar(n EQUAL 6 MENSAJE "Se esperaban 6 respuestas (una por línea no vacía) y hay ${n}:\n${salida}")

set(esperado
    "{\"calculo\":\"parametros\",\"ok\":true,\"ParametrosGenerales\":{\"EtiquetaAcero\":\"Acero B 500 S\",\"EtiquetaHormigon\":\"Hormigón HA-30\",\"EtiquetaGammas\":\"= 1.15\",\"EtiquetaGammac\":\"= 1.5\"},\"estado\":{\"fyk\":500.0,\"fck\":30.0,"
    "{\"calculo\":\"area\",\"ok\":true,\"VentanaArea\":{\"EtiquetaArea\":\"    4.9637\"},\"TextoArmadura\":\"3Ø12+2Ø10\",\"estado\":"
    "{\"calculo\":\"area\",\"ok\":false,\"error\":\"El diámetro del grupo 1 de la ranura «0» debe estar entre 1 y 999 mm (se ha dado 0 mm).\",\"campo\":\"ranuras\"}"
    "{\"calculo\":null,\"ok\":false,\"error\":\"La línea no es JSON válido"
    "{\"calculo\":\"area\",\"ok\":true,\"VentanaArea\":{\"EtiquetaArea\":\"    0.7854\"},\"TextoArmadura\":\"1Ø10\","
    "{\"calculo\":\"seccion\",\"ok\":true,\"VentanaResultados\":{\"AreaCompresion\":\"    1.188\",\"AreaTraccion\":\"    8.622\",\"CapacidadCompresion\":\"   41.322\",\"CapacidadTraccion\":\"  299.903\",")
foreach(i RANGE 5)
    list(GET lineas ${i} linea)
    list(GET esperado ${i} principio)
    string(FIND "${linea}" "${principio}" pos)
    comprobar(pos EQUAL 0 MENSAJE "La respuesta ${i} no empieza como se esperaba:\n${linea}\n${principio}")
endforeach()

# --sin-estado: las mismas respuestas, sin "estado".
execute_process(COMMAND "${PROGRAMA}" --sin-estado "${TANDA}" RESULT_VARIABLE codigo
                OUTPUT_VARIABLE sin_estado)
comprobar(codigo EQUAL 0 MENSAJE "Código de salida ${codigo} con --sin-estado")
string(REGEX MATCHALL "[^\n]+" lineas_sin_estado "${sin_estado}")
list(LENGTH lineas_sin_estado n)
comprobar(n EQUAL 6 MENSAJE "--sin-estado debe dar 6 respuestas y da ${n}:\n${sin_estado}")
string(FIND "${sin_estado}" "\"estado\"" pos)
comprobar(pos EQUAL -1 MENSAJE "--sin-estado no debe escribir \"estado\":\n${sin_estado}")

# La entrada estándar sirve igual que un fichero.
execute_process(COMMAND "${PROGRAMA}" - INPUT_FILE "${TANDA}" RESULT_VARIABLE codigo
                OUTPUT_VARIABLE salida_estandar)
comprobar(codigo EQUAL 0 MENSAJE "Código de salida ${codigo} leyendo la entrada estándar")
comprobar(salida STREQUAL salida_estandar MENSAJE "La entrada estándar da otra salida que el fichero")

execute_process(COMMAND "${PROGRAMA}" "${TANDA}.no-existe" RESULT_VARIABLE codigo
                OUTPUT_VARIABLE salida ERROR_VARIABLE error)
comprobar(codigo EQUAL 1 MENSAJE "Un fichero que no existe debe dar el código 1, no ${codigo}")
string(FIND "${error}" "no se puede abrir el fichero" pos)
comprobar(pos GREATER -1 MENSAJE "Falta el mensaje del fichero que no se abre: ${error}")
string(LENGTH "${salida}" largo)
comprobar(largo EQUAL 0 MENSAJE "Sin fichero no debe haber respuestas")

get_filename_component(carpeta "${TANDA}" DIRECTORY)
execute_process(COMMAND "${PROGRAMA}" "${carpeta}" RESULT_VARIABLE codigo ERROR_VARIABLE error)
comprobar(codigo EQUAL 1 MENSAJE "Una carpeta debe dar el código 1, no ${codigo}")

execute_process(COMMAND "${PROGRAMA}" --help RESULT_VARIABLE codigo OUTPUT_VARIABLE ayuda)
comprobar(codigo EQUAL 0 MENSAJE "--help debe terminar con 0")
string(FIND "${ayuda}" "Uso: velmora-calc [FICHERO]" pos)
comprobar(pos EQUAL 0 MENSAJE "--help no empieza por el uso:\n${ayuda}")

execute_process(COMMAND "${PROGRAMA}" --nada RESULT_VARIABLE codigo ERROR_VARIABLE error)
comprobar(codigo EQUAL 2 MENSAJE "Una opción desconocida debe dar el código 2, no ${codigo}")
