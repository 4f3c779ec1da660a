# Runs the benchmark programs one after another on the offscreen platform (no display needed),
# then prints the report of everything they measured.
#   cmake -DPROGRAMS=a;b -DREPORT=bench_report -DFIGURES=dir -DRESULTS=file.json -P RunBenchmarks.cmake
set(ENV{QT_QPA_PLATFORM} offscreen)
file(REMOVE_RECURSE ${FIGURES})
set(failed)
foreach(program ${PROGRAMS})
    get_filename_component(name ${program} NAME)
    message(STATUS "${name}")
    execute_process(COMMAND ${program} RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
        list(APPEND failed ${name})
    endif()
endforeach()
execute_process(COMMAND ${REPORT} ${FIGURES} ${RESULTS} RESULT_VARIABLE rc)
if(failed OR NOT rc EQUAL 0)
    message(FATAL_ERROR "benchmarks failed: ${failed}")
endif()
