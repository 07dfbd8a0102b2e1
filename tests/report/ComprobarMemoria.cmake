# velmora --memoria sobre una tanda: el PDF se escribe y su texto (pdftotext) trae los números
# del ejemplo de la sección, del momento de agotamiento, del cortante y del anclaje; una línea
# mala da 1 y un mensaje.
set(pdf ${SALIDA}/memoria_prueba.pdf)
file(REMOVE ${pdf})
execute_process(COMMAND ${PROGRAMA} --memoria ${TANDA} ${pdf} RESULT_VARIABLE rc
                ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "velmora --memoria devolvió ${rc}: ${err}")
endif()
execute_process(COMMAND pdftotext ${pdf} - OUTPUT_VARIABLE texto RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "pdftotext no lee el PDF")
endif()
# Cada página lleva su pie «Página i de n», con n el número de páginas del PDF.
execute_process(COMMAND pdfinfo ${pdf} OUTPUT_VARIABLE info)
string(REGEX MATCH "Pages: +([0-9]+)" _ "${info}")
set(paginas ${CMAKE_MATCH_1})
if(NOT paginas GREATER 1)
    message(FATAL_ERROR "pdfinfo no da las páginas del PDF: ${info}")
endif()
foreach(i RANGE 1 ${paginas})
    string(FIND "${texto}" "Página ${i} de ${paginas}" pos)
    if(pos EQUAL -1)
        message(FATAL_ERROR "Falta el pie «Página ${i} de ${paginas}»")
    endif()
endforeach()
string(REGEX REPLACE "[ \n]+" " " texto "${texto}")
foreach(trozo "Memoria de cálculo" "Nave de pruebas" "8.622" "1.188" "89.28" "Dominio"
        "armadura mínima de compresión de vigas" "art. 42.3.5" "72.03" "540.0" "art. 44.2.3.1"
        "32.00" "45.71" "art. 66.5" "Página 1 de")
    string(FIND "${texto}" "${trozo}" pos)
    if(pos EQUAL -1)
        message(FATAL_ERROR "Falta «${trozo}» en el texto del PDF:\n${texto}")
    endif()
endforeach()
foreach(malo "nan" "inf ")
    string(FIND "${texto}" " ${malo}" pos)
    if(NOT pos EQUAL -1)
        message(FATAL_ERROR "«${malo}» en el texto del PDF")
    endif()
endforeach()

# Un proyecto guardado por el programa: su cabecera no se calcula y da los datos del proyecto.
file(WRITE ${SALIDA}/memoria.velmora
     "{\"velmora\": 1, \"proyecto\": {\"proyecto\": \"Edificio Mayor 12\", \"elemento\": \"Viga V-3\"}}\n"
     "{\"calculo\": \"pilar\"}\n")
execute_process(COMMAND ${PROGRAMA} --memoria ${SALIDA}/memoria.velmora ${SALIDA}/proyecto.pdf
                RESULT_VARIABLE rc ERROR_VARIABLE err)
execute_process(COMMAND pdftotext ${SALIDA}/proyecto.pdf - OUTPUT_VARIABLE texto)
if(NOT rc EQUAL 0 OR NOT texto MATCHES "Mayor 12" OR NOT texto MATCHES "Viga V-3"
   OR NOT texto MATCHES "Cercos de un pilar")
    message(FATAL_ERROR "La memoria de un proyecto debe llevar sus datos; dio ${rc}: ${err}")
endif()

execute_process(COMMAND ${PROGRAMA} --memoria ${MALA} ${SALIDA}/memoria_mala.pdf
                RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 1 OR NOT err MATCHES "Línea 1 de .*canto h")
    message(FATAL_ERROR "Una línea mala debe dar 1 y su mensaje; dio ${rc}: ${err}")
endif()
execute_process(COMMAND ${PROGRAMA} --memoria ${SALIDA}/no_existe.jsonl ${SALIDA}/x.pdf
                RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 1 OR NOT err MATCHES "No se puede leer")
    message(FATAL_ERROR "Un fichero que no existe debe dar 1 y su mensaje; dio ${rc}: ${err}")
endif()

# Las líneas se leen con las defensas de velmora-calc: una línea anidada cien mil niveles no
# agota la pila (terminaba con un cierre brusco) y una clave repetida no pasa en silencio.
string(REPEAT "[" 100000 hondo)
file(WRITE ${SALIDA}/honda.jsonl "{\"calculo\": \"pilar\"}\n{\"calculo\":\"area\",\"x\":${hondo}\n")
file(WRITE ${SALIDA}/repetida.jsonl "{\"calculo\": \"pilar\", \"calculo\": \"area\"}\n")
foreach(caso "honda.jsonl;Línea 2 de .*anida más de 64 niveles"
        "repetida.jsonl;Línea 1 de .*«calculo» aparece dos veces")
    list(GET caso 0 fichero)
    list(GET caso 1 esperado)
    execute_process(COMMAND ${PROGRAMA} --memoria ${SALIDA}/${fichero} ${SALIDA}/x.pdf
                    RESULT_VARIABLE rc ERROR_VARIABLE err)
    if(NOT rc EQUAL 1 OR NOT err MATCHES "${esperado}")
        message(FATAL_ERROR "${fichero} debe dar 1 y «${esperado}»; dio ${rc}: ${err}")
    endif()
endforeach()
