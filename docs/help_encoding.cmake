# Writes a help source (UTF-8) in Windows-1251, the encoding of the help's
# declared language, Russian: CHM viewers read pages, contents and index so.
#   cmake -DSOURCE=... -DTARGET=... -P help_encoding.cmake
file(READ ${SOURCE} text)
string(REPLACE "<meta charset=\"utf-8\">"
       "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\">" text "${text}")
file(WRITE ${TARGET}.utf8 "${text}")
execute_process(COMMAND iconv -f UTF-8 -t CP1251 ${TARGET}.utf8 OUTPUT_FILE ${TARGET} RESULT_VARIABLE failed)
file(REMOVE ${TARGET}.utf8)
if(failed)
  message(FATAL_ERROR "${SOURCE} holds a character that Windows-1251 lacks: write it as an HTML entity")
endif()
