# Installing Placatec as a Linux desktop program, and its Debian package.
#   cmake --install build [--prefix /usr]     make package  (a .deb in the build folder)
include(GNUInstallDirs)

set(PLACATEC_ID org.placatec.Placatec)
set(PLACATEC_DATOS ${CMAKE_SOURCE_DIR}/data)
# Where the pictures of data/capturas/ (made by make screenshots) are published; the
# AppStream description shows them from there.
set(PLACATEC_URL_CAPTURAS "https://placatec.org/capturas"
    CACHE STRING "Web address of the published pictures of data/capturas/")

# Who answers for the package (its Maintainer field and changelog).
set(PLACATEC_MANTENEDOR "Placatec <soporte@placatec.org>" CACHE STRING "Maintainer of the Debian package")

# A text file of data/, with the version filled in, compressed as Debian wants man pages
# and changelogs (gzip -9n: no name or time inside, the same bytes every build).
function(placatec_comprime entrada salida)
  configure_file(${PLACATEC_DATOS}/${entrada} ${CMAKE_BINARY_DIR}/data/${salida} @ONLY)
  execute_process(COMMAND gzip -9nf ${CMAKE_BINARY_DIR}/data/${salida} RESULT_VARIABLE r)
  if(r)
    message(FATAL_ERROR "gzip ${salida}: ${r}")
  endif()
endfunction()

install(TARGETS placatec-calc RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
placatec_comprime(placatec-calc.1.in placatec-calc.1)
install(FILES ${CMAKE_BINARY_DIR}/data/placatec-calc.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PLACATEC_DATOS}/placatec-calc.bash DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        RENAME placatec-calc)
placatec_comprime(changelog.in changelog)
install(FILES ${PLACATEC_DATOS}/copyright ${CMAKE_BINARY_DIR}/data/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/placatec)

if(PLACATEC_GUI)
  install(TARGETS placatec RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  # The calculator's PDF module, where the calculator looks for it from its own folder.
  install(TARGETS placatec-pdf LIBRARY DESTINATION ${PLACATEC_MODULOS})
  placatec_comprime(placatec.1.in placatec.1)
  configure_file(${PLACATEC_DATOS}/${PLACATEC_ID}.metainfo.xml.in
                 ${CMAKE_BINARY_DIR}/data/${PLACATEC_ID}.metainfo.xml @ONLY)
  install(FILES ${CMAKE_BINARY_DIR}/data/placatec.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${PLACATEC_DATOS}/${PLACATEC_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PLACATEC_DATOS}/${PLACATEC_ID}.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
  install(FILES ${CMAKE_BINARY_DIR}/data/${PLACATEC_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

  # The icon: the drawing in SVG, and PNG sizes rendered from the program's own icon.
  find_package(Qt6 REQUIRED COMPONENTS Gui)
  set(PLACATEC_ICONOS ${CMAKE_BINARY_DIR}/iconos)
  set(PLACATEC_LADOS 16 24 32 48 64 128 256)
  add_executable(placatec-genera-iconos tools/icono/GeneraIconos.cpp src/escritorio/widgets/IconoPrograma.cpp)
  target_include_directories(placatec-genera-iconos PRIVATE src)
  target_link_libraries(placatec-genera-iconos PRIVATE Qt6::Gui)
  set(png)
  foreach(lado ${PLACATEC_LADOS})
    list(APPEND png ${PLACATEC_ICONOS}/${lado}x${lado}/apps/${PLACATEC_ID}.png)
  endforeach()
  add_custom_command(OUTPUT ${png}
    COMMAND placatec-genera-iconos ${PLACATEC_ICONOS} ${PLACATEC_ID} ${PLACATEC_LADOS}
    DEPENDS placatec-genera-iconos
    COMMENT "Iconos PNG de Placatec")
  add_custom_target(placatec-iconos ALL DEPENDS ${png})
  install(DIRECTORY ${PLACATEC_ICONOS}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
  install(FILES ${PLACATEC_DATOS}/${PLACATEC_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  # The project files show the same picture.
  install(FILES ${PLACATEC_DATOS}/${PLACATEC_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/mimetypes
          RENAME application-x-placatec-losas.svg)

  # An install into the home folder: the desktop finds the file type and the menu entry
  # only once its databases are rebuilt, which a package's triggers do for /usr.
  install(CODE [[
    string(FIND "${CMAKE_INSTALL_PREFIX}/" "$ENV{HOME}/" en_casa)
    if("$ENV{DESTDIR}" STREQUAL "" AND NOT "$ENV{HOME}" STREQUAL "" AND en_casa EQUAL 0)
      execute_process(COMMAND update-mime-database "${CMAKE_INSTALL_PREFIX}/share/mime" RESULT_VARIABLE r1)
      execute_process(COMMAND update-desktop-database "${CMAKE_INSTALL_PREFIX}/share/applications" RESULT_VARIABLE r2)
      if(r1 STREQUAL "0" AND r2 STREQUAL "0")
        message(STATUS "Tipo de archivo .Los y menú actualizados en ${CMAKE_INSTALL_PREFIX}/share")
      else()
        message(WARNING "No se pudieron actualizar los tipos de archivo y el menú; ejecute "
                        "update-mime-database ${CMAKE_INSTALL_PREFIX}/share/mime y "
                        "update-desktop-database ${CMAKE_INSTALL_PREFIX}/share/applications")
      endif()
      string(FIND ":$ENV{PATH}:" ":${CMAKE_INSTALL_PREFIX}/bin:" en_camino)
      if(en_camino EQUAL -1)
        message(STATUS "${CMAKE_INSTALL_PREFIX}/bin no está en PATH: agréguelo (por ejemplo en ~/.profile) para "
                       "que el menú y la terminal encuentren placatec y placatec-calc")
      endif()
    endif()
  ]])

  # The installed tree, and the package unpacked, pass the desktop's validators and
  # the installed calculator runs; the package passes lintian when it is installed.
  foreach(modo instalacion paquete)
    add_test(NAME ${modo} COMMAND sh ${CMAKE_SOURCE_DIR}/tests/instalacion/instala.sh
             ${modo} ${CMAKE_BINARY_DIR} ${CMAKE_BINARY_DIR}/prueba-${modo})
  endforeach()
endif()

# The Debian package: dependencies computed from the binaries by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME placatec)
set(CPACK_PACKAGE_VENDOR Placatec)
set(CPACK_PACKAGE_CONTACT "${PLACATEC_MANTENEDOR}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Diseño de las losas de concreto armado de un piso")
set(CPACK_PACKAGE_DESCRIPTION "Placatec calcula las losas rectangulares de concreto armado de un piso:
momentos, refuerzo, reacciones sobre los apoyos y cómputo métrico. Incluye el
programa de escritorio (placatec) y la calculadora por lotes (placatec-calc).")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own Spanish texts (buttons, file dialogs) come in a package no library names.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
