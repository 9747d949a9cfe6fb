# Installs the build into a fresh prefix and checks that the installed executable finds its data
# folder where the program looks for it: ../share/zenvortali beside the executable's folder; and the
# browser module in the module folder the program loads it from.
set(prefix ${BUILD_DIR}/tests/install-prefix)
file(REMOVE_RECURSE ${prefix})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
  RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
foreach(file bin/zenvortali bin/../share/zenvortali/arac2.db bin/${MODULES_FROM_BIN}/zenvortali-browser.so
    share/applications/zenvortali.desktop)
  if(NOT EXISTS ${prefix}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
file(REMOVE_RECURSE ${prefix})
