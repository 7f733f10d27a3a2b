# Builds one include probe and checks the outcome: `EXPECT` is "fails" (the
# header lies above the probe's layer, so the compiler must not find it) or
# "builds" (a header the layer may include, which shows the probe itself works).
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD} --target ${TARGET}
                RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(EXPECT STREQUAL "builds")
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${TARGET} should build:\n${out}${err}")
    endif()
elseif(result EQUAL 0)
    message(FATAL_ERROR "${TARGET} built: ${HEADER} is visible from a layer below it")
elseif(NOT "${out}${err}" MATCHES "${HEADER}: No such file or directory")
    message(FATAL_ERROR "${TARGET} failed for another reason than the missing header:\n${out}${err}")
endif()
