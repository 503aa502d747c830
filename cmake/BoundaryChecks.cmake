# The boundaries the build enforces, checked by the test run: a probe source
# that includes a window header is compiled with each numeric library's own
# flags (it must stop at the window-side guard, platform/window/WindowSide.h)
# and with the window library's (it must build). The probes are built only
# by the test, never by the normal build.
set(PELMORAN_NUMERIC_LIBRARIES platform containers matrix analysis_core analysis_complex analysis
    parser waveform waveform_drawing instrument)
set(fail_probes "")
foreach(lib IN LISTS PELMORAN_NUMERIC_LIBRARIES)
  if(NOT TARGET ${lib})
    continue()
  endif()
  set(probe boundary_probe_${lib})
  add_library(${probe} OBJECT EXCLUDE_FROM_ALL ${PROJECT_SOURCE_DIR}/cmake/boundary/IncludesWindowHeader.cpp)
  # What the library's users get, and what its own sources are compiled with.
  target_link_libraries(${probe} PRIVATE ${lib})
  target_include_directories(${probe} PRIVATE $<TARGET_PROPERTY:${lib},INCLUDE_DIRECTORIES>)
  target_compile_definitions(${probe} PRIVATE $<TARGET_PROPERTY:${lib},COMPILE_DEFINITIONS>)
  target_compile_options(${probe} PRIVATE $<TARGET_PROPERTY:${lib},COMPILE_OPTIONS>)
  list(APPEND fail_probes ${probe})
endforeach()

set(pass_probes "")
if(TARGET platform_window)
  add_library(boundary_probe_window OBJECT EXCLUDE_FROM_ALL
              ${PROJECT_SOURCE_DIR}/cmake/boundary/IncludesWindowHeader.cpp)
  target_link_libraries(boundary_probe_window PRIVATE platform_window)
  list(APPEND pass_probes boundary_probe_window)
endif()

list(JOIN fail_probes "," fail_arg)
list(JOIN pass_probes "," pass_arg)
add_test(NAME Boundaries.WindowHeadersStayOnTheWindowSide
         COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${PROJECT_BINARY_DIR} -DFAIL_TARGETS=${fail_arg}
                 -DPASS_TARGETS=${pass_arg} "-DGUARD_TEXT=platform/window belongs to the window side"
                 -P ${PROJECT_SOURCE_DIR}/cmake/BoundaryProbe.cmake)
# It runs the build tool in the build folder: never beside another such run.
set_tests_properties(Boundaries.WindowHeadersStayOnTheWindowSide PROPERTIES
                     RESOURCE_LOCK build_folder LABELS boundaries)

# The libraries beneath the analysis library include nothing above them.
function(pelmoran_include_rule name folder)
  list(JOIN ARGN "," allowed)
  add_test(NAME Boundaries.${name}
           COMMAND ${CMAKE_COMMAND} -DFOLDER=${PROJECT_SOURCE_DIR}/${folder} -DALLOWED=${allowed}
                   -P ${PROJECT_SOURCE_DIR}/cmake/IncludeRule.cmake)
  set_tests_properties(Boundaries.${name} PROPERTIES LABELS boundaries)
endfunction()
pelmoran_include_rule(AnalysisCoreIncludesOnlyWhatIsBelowIt analysis/core
                      analysis/core/ containers/ platform/)
pelmoran_include_rule(ComplexFunctionsIncludeOnlyWhatIsBelowThem analysis/complex
                      analysis/complex/ analysis/core/ containers/ platform/)

# The stand-in platform is the bottom of the tree.
pelmoran_include_rule(PlatformIncludesOnlyItself platform platform/)
# The shell's lower libraries stand on the window layer alone; the dialogs and
# the editor view reach into the shell only there, never into its frames.
pelmoran_include_rule(ShellBaseIncludesOnlyWhatIsBelowIt shell/base
                      platform/ shell/base/ waveform/PrivateMessages.h)
pelmoran_include_rule(WaveformReachesOnlyTheShellsBase waveform
                      analysis/ containers/ controls/ platform/ shell/base/ waveform/)
pelmoran_include_rule(ToolsReachOnlyTheShellsBase tools
                      analysis/ containers/ controls/ matrix/ parser/ platform/ shell/base/ tools/
                      waveform/)
pelmoran_include_rule(InstrumentReachesOnlyTheShellsBase instrument
                      containers/ instrument/ platform/ shell/base/ sim/ waveform/)
