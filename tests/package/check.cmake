# Installs the built library into a scratch prefix, then configures, builds and runs a host
# program that finds it with find_package(ZentrixStore).
set(prefix ${BINARY_DIR}/package-prefix)
set(host ${BINARY_DIR}/package-host)
file(REMOVE_RECURSE ${prefix} ${host})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BINARY_DIR} --prefix ${prefix}
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(rc)
  message(FATAL_ERROR "install failed")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${host} -DCMAKE_PREFIX_PATH=${prefix}
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(rc)
  message(FATAL_ERROR "find_package(ZentrixStore) failed")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${host} RESULT_VARIABLE rc OUTPUT_QUIET)
if(rc)
  message(FATAL_ERROR "the host program did not build")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E env LD_LIBRARY_PATH=${prefix}/lib ${host}/consumer
                RESULT_VARIABLE rc)
if(rc)
  message(FATAL_ERROR "the host program failed")
endif()
