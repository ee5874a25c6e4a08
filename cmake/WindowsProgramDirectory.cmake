# The Windows program directory: the two programs beside the Linux build's
# forms.db and Tornelis.chm.
set(TORNELIS_LINUX_BIN_DIR "" CACHE PATH "The Linux build's program directory (forms.db, Tornelis.chm)")
foreach(file forms.db Tornelis.chm)
  if(NOT EXISTS "${TORNELIS_LINUX_BIN_DIR}/${file}")
    message(FATAL_ERROR "${TORNELIS_LINUX_BIN_DIR}/${file} is missing: the Linux build (scripts/setup.sh) makes it")
  endif()
  configure_file(${TORNELIS_LINUX_BIN_DIR}/${file} ${TORNELIS_BIN_DIR}/${file} COPYONLY)
endforeach()
