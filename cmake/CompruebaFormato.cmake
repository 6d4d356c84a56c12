# Fails when a C++ source differs from what clang-format makes of it with the
# project's .clang-format. Run as
#   cmake -DRAIZ=<source dir> -DCLANG_FORMAT=<program> -P CompruebaFormato.cmake
file(GLOB_RECURSE fuentes ${RAIZ}/src/*.h ${RAIZ}/src/*.cpp ${RAIZ}/tools/*.h ${RAIZ}/tools/*.cpp
     ${RAIZ}/tests/*.h ${RAIZ}/tests/*.cpp ${RAIZ}/bench/*.h ${RAIZ}/bench/*.cpp ${RAIZ}/fuzz/*.cpp)
execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${fuentes}
                WORKING_DIRECTORY ${RAIZ} RESULT_VARIABLE estado ERROR_VARIABLE avisos)
if(NOT estado EQUAL 0)
  message(FATAL_ERROR "Format drift (run clang-format -i on these files):\n${avisos}")
endif()
message(STATUS "Format respected")
