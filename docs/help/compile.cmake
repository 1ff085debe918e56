# Compiles the help pages into one .chm; run by the build as
#   cmake -DCHMCMD=… -DICONV=… -DSOURCE=<this folder> -DWORK=<scratch folder> -DOUTPUT=<.chm> -P compile.cmake
#
# A help file marked Chinese (PRC) has its project and contents files read in
# the Chinese code page, so those two are kept in UTF-8 here and handed to the
# compiler in GBK; the pages name their own encoding. The compiler only warns
# about a page that links to a missing file, and writes an empty file when it
# fails: both stop the build here, and the .chm is copied out only when whole.

function(run)
  execute_process(COMMAND ${ARGN} WORKING_DIRECTORY "${WORK}" RESULT_VARIABLE failed OUTPUT_VARIABLE log ERROR_VARIABLE log)
  if(failed OR log MATCHES "Warning|Error")
    list(JOIN ARGN " " command)
    message(FATAL_ERROR "${command} failed:\n${log}")
  endif()
endfunction()

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
file(GLOB pages "${SOURCE}/*.html" "${SOURCE}/*.css")
file(COPY ${pages} DESTINATION "${WORK}")
foreach(project_file Velnorix.hhp Velnorix.hhc)
  run("${ICONV}" -f UTF-8 -t GBK -o "${WORK}/${project_file}" "${SOURCE}/${project_file}")
endforeach()
run("${CHMCMD}" Velnorix.hhp)
file(COPY_FILE "${WORK}/Velnorix.chm" "${OUTPUT}")
