# Installs the built library and the zxstore command into a scratch prefix, then configures,
# builds and runs a host program that finds the library with find_package(ZentrixStore), and runs
# the installed zxstore. Nothing points the loader at the prefix: the host finds the library
# through its build tree's RPATH and zxstore through its install RPATH.
set(prefix ${BINARY_DIR}/package-prefix)
set(host ${BINARY_DIR}/package-host)
set(scratch ${BINARY_DIR}/package-scratch)
file(REMOVE_RECURSE ${prefix} ${host} ${scratch})
file(MAKE_DIRECTORY ${scratch})

function(run what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(rc)
    message(FATAL_ERROR "${what} failed (${rc}):\n${out}")
  endif()
endfunction()

run("install" ${CMAKE_COMMAND} --install ${BINARY_DIR} --prefix ${prefix})
foreach(header zentrix.h basetypes/CArchive.h store/Handles.h schedule/CTask.h)
  if(NOT EXISTS ${prefix}/include/zentrix/${header})
    message(FATAL_ERROR "include/zentrix/${header} was not installed")
  endif()
endforeach()

run("find_package(ZentrixStore)" ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${host}
    -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_BUILD_TYPE=Release)
run("building the host program" ${CMAKE_COMMAND} --build ${host})
run("the host program" ${CMAKE_COMMAND} -E env --unset=LD_LIBRARY_PATH
    ${host}/consumer ${scratch}/codes.zxs)

file(GLOB zxstore ${prefix}/bin/zxstore)
if(NOT zxstore)
  message(FATAL_ERROR "zxstore was not installed")
endif()
run("the installed zxstore" ${CMAKE_COMMAND} -E env --unset=LD_LIBRARY_PATH
    ${zxstore} demo ${scratch}/sample.zxs)
if(NOT EXISTS ${scratch}/sample.zxs)
  message(FATAL_ERROR "the installed zxstore wrote no file")
endif()
