# The Windows build's resources. The pictures come rendered to PNG from the
# Linux build (tools/render_pictures), with the icon as .ico.
set(TORNELIS_PNG_PICTURES_DIR "" CACHE PATH "The Linux build's png-pictures folder")
if(NOT EXISTS "${TORNELIS_PNG_PICTURES_DIR}/tornelis.ico")
  message(FATAL_ERROR "TORNELIS_PNG_PICTURES_DIR must name the Linux build's png-pictures folder")
endif()
# A static Qt has no translations folder on the user's machine: Qt's Russian
# texts go into the program.
set(TORNELIS_QT_TRANSLATIONS_DIR /usr/share/qt6/translations CACHE PATH "Where qtbase_ru.qm is")

set(TORNELIS_ICO ${TORNELIS_PNG_PICTURES_DIR}/tornelis.ico)
set(TORNELIS_MANIFEST ${CMAKE_CURRENT_LIST_DIR}/tornelis.manifest)
set(TORNELIS_WINDOWS_RC ${CMAKE_BINARY_DIR}/generated/tornelis.rc)
configure_file(${CMAKE_CURRENT_LIST_DIR}/tornelis.rc.in ${TORNELIS_WINDOWS_RC} @ONLY)
