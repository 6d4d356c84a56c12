# Fails when a source file includes a header of a higher layer (or of a sibling
# folder of the same layer), or when a core file includes Qt. Run as
#   cmake -DRAIZ=<source dir> -P CompruebaCapas.cmake
# The layers from the ground up; folders on one line share a level and may not
# include each other.
set(NIVELES
  "model" "engine" "design" "outputs" "entry" "comandos" "report"
  "escritorio/pdf" "escritorio/widgets"
  "escritorio/entrada;escritorio/resultados;escritorio/vistaprevia"
  "escritorio/principal")
set(NUM_CORE 7)  # the first seven levels are the core: no Qt there

set(nivel 0)
foreach(linea ${NIVELES})
  foreach(carpeta IN LISTS linea)
    set(NIVEL_${carpeta} ${nivel})
  endforeach()
  math(EXPR nivel "${nivel} + 1")
endforeach()

function(carpeta_de ruta salida)
  string(REGEX MATCH "^(escritorio/[a-z]+|[a-z]+)/" m "${ruta}")
  set(${salida} "${CMAKE_MATCH_1}" PARENT_SCOPE)
endfunction()

set(fallas "")
file(GLOB_RECURSE fuentes RELATIVE ${RAIZ}/src ${RAIZ}/src/*.h ${RAIZ}/src/*.cpp)
file(GLOB herramientas RELATIVE ${RAIZ} ${RAIZ}/tools/*.h ${RAIZ}/tools/*.cpp ${RAIZ}/tools/pdf/*.h
     ${RAIZ}/tools/pdf/*.cpp)
foreach(f ${fuentes} ${herramientas})
  set(sin_qt FALSE)
  if(f MATCHES "^tools/pdf/")
    set(propia "tools/pdf")
    set(mio 8)  # the calculator's PDF module: the core and the renderer, nothing of Widgets
    file(STRINGS ${RAIZ}/${f} lineas REGEX "^[ \t]*#[ \t]*include")
  elseif(f MATCHES "^tools/")
    set(propia "tools")
    # The batch calculator: the core alone and no Qt, which it loads with the PDF module
    # only when a report is asked for.
    set(mio ${NUM_CORE})
    set(sin_qt TRUE)
    file(STRINGS ${RAIZ}/${f} lineas REGEX "^[ \t]*#[ \t]*include")
  else()
    carpeta_de("${f}" propia)
    if(NOT DEFINED NIVEL_${propia})
      list(APPEND fallas "src/${f}: folder '${propia}' is not a known layer")
      continue()
    endif()
    set(mio ${NIVEL_${propia}})
    file(STRINGS ${RAIZ}/src/${f} lineas REGEX "^[ \t]*#[ \t]*include")
  endif()
  foreach(l ${lineas})
    if(l MATCHES "#[ \t]*include[ \t]*<(Q[A-Za-z]+)" AND (mio LESS NUM_CORE OR sin_qt))
      list(APPEND fallas "${f}: includes Qt (${CMAKE_MATCH_1}), which its layer may not")
    endif()
    if(NOT l MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
      continue()
    endif()
    set(h "${CMAKE_MATCH_1}")
    # A path that climbs would name any layer while looking like a neighbour.
    if(h MATCHES "(^|/)\\.\\.(/|$)")
      list(APPEND fallas "${f}: includes \"${h}\", a path that climbs (write it from src/)")
      continue()
    endif()
    carpeta_de("${h}" otra)
    if(otra STREQUAL "" OR otra STREQUAL propia)
      continue()
    endif()
    if(NOT DEFINED NIVEL_${otra})
      list(APPEND fallas "${f}: includes \"${h}\" from an unknown folder")
    elseif(NOT NIVEL_${otra} LESS mio)
      list(APPEND fallas "${f}: includes \"${h}\", which is not below its layer")
    endif()
  endforeach()
endforeach()

if(fallas)
  list(JOIN fallas "\n  " texto)
  message(FATAL_ERROR "Upward includes:\n  ${texto}")
endif()
message(STATUS "Layers respected")
