# Compiles a help project with chmcmd: cmake -DCHMCMD=... -DSOURCE_DIR=... -DSTAGING_DIR=...
# -DPROJECT_FILE=... -DOUTPUT=... -P Compilehelp.cmake
# The compiler reports missing pages and broken links only as text and answers 0 even when it
# writes nothing, so its output and the file it writes are checked here.
foreach(name CHMCMD SOURCE_DIR STAGING_DIR PROJECT_FILE OUTPUT)
  if(NOT DEFINED ${name})
    message(FATAL_ERROR "Compilehelp.cmake needs -D${name}=...")
  endif()
endforeach()

# A fresh copy of the sources, so that a page removed from them cannot linger in the file.
file(REMOVE_RECURSE ${STAGING_DIR})
file(COPY ${SOURCE_DIR}/ DESTINATION ${STAGING_DIR})

get_filename_component(compiled_name ${OUTPUT} NAME)
set(compiled ${STAGING_DIR}/${compiled_name})
execute_process(
  COMMAND ${CHMCMD} ${PROJECT_FILE}
  WORKING_DIRECTORY ${STAGING_DIR}
  RESULT_VARIABLE result
  OUTPUT_VARIABLE report
  ERROR_VARIABLE report)
if(NOT result EQUAL 0 OR report MATCHES "Warning|Error|Can't|exception")
  message(FATAL_ERROR "chmcmd failed on ${SOURCE_DIR}/${PROJECT_FILE}:\n${report}")
endif()
if(NOT EXISTS ${compiled})
  message(FATAL_ERROR "chmcmd wrote no ${compiled_name}; is it the project's compiled file?\n${report}")
endif()
file(READ ${compiled} signature LIMIT 4 HEX)
if(NOT signature STREQUAL "49545346")
  message(FATAL_ERROR "${compiled} is not a compiled help file (no ITSF signature)")
endif()

get_filename_component(output_dir ${OUTPUT} DIRECTORY)
file(MAKE_DIRECTORY ${output_dir})
file(COPY_FILE ${compiled} ${OUTPUT})
