# One summary at the end of configuring: what will be built, and why anything
# is left out.
function(vantrel_resume_ligne label built why)
    if(built)
        set(state "yes")
    else()
        set(state "no (${why})")
    endif()
    string(LENGTH "${label}" n)
    math(EXPR pad "34 - ${n}")
    string(REPEAT "." ${pad} dots)
    message(STATUS "  ${label} ${dots} ${state}")
endfunction()

message(STATUS "")
message(STATUS "Vantrel ${PROJECT_VERSION} (${CMAKE_BUILD_TYPE}) will build:")
vantrel_resume_ligne("desktop program (vantrel)" "${VANTREL_GUI}"
                     "VANTREL_GUI=OFF: no Qt 6 asked for")
vantrel_resume_ligne("command-line tool (vantrel-cli)" ON "")
vantrel_resume_ligne("tests" "${VANTREL_TESTS}" "VANTREL_TESTS=OFF")
vantrel_resume_ligne("benchmarks" "${VANTREL_BENCH}"
                     "VANTREL_BENCH=OFF; the release preset turns it on")
if(NOT VANTREL_BENCH)
    set(why "no benchmarks")
else()
    set(why "Embree not found: install libembree-dev")
endif()
vantrel_resume_ligne("benchmarks' Embree comparison" "${VANTREL_BENCH_EMBREE}" "${why}")
vantrel_resume_ligne("fuzz targets" "${VANTREL_FUZZ}"
                     "VANTREL_FUZZ=OFF; needs clang: CXX=clang++ and -DVANTREL_FUZZ=ON")
message(STATUS "Installs under ${CMAKE_INSTALL_PREFIX}; cpack -G DEB in the build folder makes a .deb.")
message(STATUS "")
