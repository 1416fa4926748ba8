# Renders one frame with vistamoor-tool and compares it with the golden picture.
execute_process(COMMAND ${TOOL} render --style ${STYLE} --progress ${PROGRESS} --old ${OLD} --new ${NEW} --out ${OUT}
                RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "render exited with ${rc}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT} ${GOLDEN} RESULT_VARIABLE same)
if(NOT same EQUAL 0)
  message(FATAL_ERROR "${OUT} differs from ${GOLDEN}")
endif()
