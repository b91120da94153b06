# Fails when a C++ file of the source tree differs from what .clang-format makes of it.
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
  ${SOURCE_DIR}/platform/*.cpp ${SOURCE_DIR}/platform/*.h ${SOURCE_DIR}/picture/*.cpp ${SOURCE_DIR}/picture/*.h
  ${SOURCE_DIR}/retouch/*.cpp ${SOURCE_DIR}/retouch/*.h ${SOURCE_DIR}/cover/*.cpp ${SOURCE_DIR}/cover/*.h
  ${SOURCE_DIR}/print/*.cpp ${SOURCE_DIR}/print/*.h ${SOURCE_DIR}/app/*.cpp ${SOURCE_DIR}/app/*.h
  ${SOURCE_DIR}/tests/*.cpp ${SOURCE_DIR}/tests/*.h ${SOURCE_DIR}/bench/*.cpp ${SOURCE_DIR}/bench/*.h
  ${SOURCE_DIR}/fuzz/*.cpp ${SOURCE_DIR}/fuzz/*.h)
execute_process(COMMAND ${CLANG_FORMAT} --dry-run -Werror ${sources}
  WORKING_DIRECTORY ${SOURCE_DIR} RESULT_VARIABLE result ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "Not formatted as .clang-format says (run clang-format -i on them):\n${errors}")
endif()
list(LENGTH sources count)
message(STATUS "${count} files formatted")
