# Run as a test (cmake -DPROGRAMM=<test_kern> -P): the core's test program loads no Qt GUI or
# widget library, so the core and its tests run where no display library is installed.
execute_process(COMMAND ldd ${PROGRAMM} OUTPUT_VARIABLE bibliotheken RESULT_VARIABLE ergebnis)
if(NOT ergebnis EQUAL 0)
  message(FATAL_ERROR "ldd ${PROGRAMM} failed")
endif()
string(REGEX MATCHALL "libQt6(Gui|Widgets|OpenGL|PrintSupport|Svg)[^ \t\n]*" gui "${bibliotheken}")
if(gui)
  message(FATAL_ERROR "${PROGRAMM} loads ${gui}")
endif()
message(STATUS "${PROGRAMM} loads no Qt GUI library")
