# Checks the compiled help file: cmake -DHELP_FILE=... -DSOURCE_DIR=... -P HelpfileTest.cmake
# It must be a compiled help file (signature "ITSF", version 3) that holds every page and
# style sheet of the sources, the contents and the index.
if(NOT EXISTS ${HELP_FILE})
  message(FATAL_ERROR "The help file ${HELP_FILE} was not built")
endif()
file(READ ${HELP_FILE} header LIMIT 8 HEX)
if(NOT header STREQUAL "4954534603000000")
  message(FATAL_ERROR "${HELP_FILE} does not start with the ITSF signature of version 3: ${header}")
endif()

# The directory of the file names its entries in plain text, each behind a length byte.
file(STRINGS ${HELP_FILE} names REGEX "/")
set(directory "${names};")
file(GLOB pages RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.html ${SOURCE_DIR}/*.css)
list(LENGTH pages page_count)
if(page_count LESS 5)
  message(FATAL_ERROR "Only ${page_count} pages found in ${SOURCE_DIR}")
endif()
foreach(entry IN LISTS pages ITEMS ombrix.hhc ombrix.hhk "#SYSTEM" "#TOPICS")
  string(FIND "${directory}" "/${entry};" position)
  if(position EQUAL -1)
    message(FATAL_ERROR "${HELP_FILE} lacks /${entry}")
  endif()
endforeach()
