# cmake -DPROGRAM=quendrix -DTOOLKIT=quendrix-toolkit -DWORK=folder -P LauncherStartsTheToolkit.cmake
# quendrix runs the logic commands itself and finds quendrix-toolkit beside it or, installed, in
# PREFIX/lib/quendrix; without it, the window's commands fail with a message and the others run.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/alone ${WORK}/usr/bin ${WORK}/usr/lib/quendrix)
file(COPY ${PROGRAM} DESTINATION ${WORK}/alone)
file(COPY ${PROGRAM} DESTINATION ${WORK}/usr/bin)
file(CREATE_LINK ${TOOLKIT} ${WORK}/usr/lib/quendrix/quendrix-toolkit SYMBOLIC)

function(expect program arg want_code want_text)
  execute_process(COMMAND ${program} ${arg} OUTPUT_VARIABLE out ERROR_VARIABLE err
                  RESULT_VARIABLE code TIMEOUT 60)
  if(NOT code STREQUAL "${want_code}" OR NOT "${out}${err}" MATCHES "${want_text}")
    message(FATAL_ERROR "${program} ${arg}: exit ${code}, wanted ${want_code} and '${want_text}':\n${out}${err}")
  endif()
endfunction()

expect(${WORK}/alone/quendrix --version 0 "[0-9]")
expect(${WORK}/alone/quendrix --help 1 "cannot start .*/lib/quendrix/quendrix-toolkit: ")
expect(${WORK}/usr/bin/quendrix --help 0 "  print ")
expect(${WORK}/usr/bin/quendrix convert 2 "usage|Usage|IN OUT")
file(REMOVE_RECURSE ${WORK})
