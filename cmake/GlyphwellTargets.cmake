# Helpers that give every target of the project the same warnings and include root.

# Warnings are errors only where the compiler is known (GW_WERROR: the project's scripts and
# CI); a newer or other compiler's new warnings must not stop everyone else's build.
function(gw_target_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(GW_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
    # GCC 12 at -O3 reports -Wrestrict on "text" + std::string&& inside libstdc++ (a known
    # false positive of that release); it stays a warning there, never an error.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
      target_compile_options(${target} PRIVATE -Wno-error=restrict)
    endif()
  endif()
endfunction()

# Notes what target builds on, for the layering test (tests/platform/layering_test.cpp), which
# reads the list gw_write_links() writes.
function(gw_note_links target)
  list(JOIN ARGN " " links)
  set_property(GLOBAL APPEND PROPERTY GW_LINKED_TARGETS "${target}: ${links}")
endfunction()

function(gw_write_links file)
  get_property(lines GLOBAL PROPERTY GW_LINKED_TARGETS)
  list(JOIN lines "\n" text)
  file(WRITE ${file} "${text}\n")
endfunction()

# gw_library(name SOURCES ... LINKS ... [PRIVATE_LINKS ...]): one library per src/ folder.
# LINKS names exactly the folders (and external libraries) it builds on, so the layering reads
# from CMake; PRIVATE_LINKS are used by its sources only, so their headers reach no library
# above it.
function(gw_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS;PRIVATE_LINKS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_LINKS} PRIVATE ${ARG_PRIVATE_LINKS})
  gw_target_defaults(${name})
  gw_note_links(${name} ${ARG_LINKS} ${ARG_PRIVATE_LINKS})
endfunction()

# The test programs whose tests start threads (gw_test THREADS); CI builds and runs only these
# under ThreadSanitizer: `cmake --build DIR --target gw_thread_tests`, `ctest -L threads`.
add_custom_target(gw_thread_tests)

# gw_test(name SOURCES ... LINKS ... [GUI] [THREADS]): a GoogleTest program registered with
# ctest. GUI tests get a main() that creates an offscreen QApplication; THREADS marks a
# program whose tests start threads (see gw_thread_tests).
function(gw_test name)
  cmake_parse_arguments(ARG "GUI;THREADS" "" "SOURCES;LINKS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  if(ARG_GUI)
    target_link_libraries(${name} PRIVATE ${ARG_LINKS} gw_testmain_gui)
  else()
    target_link_libraries(${name} PRIVATE ${ARG_LINKS} gw_testmain_core)
  endif()
  gw_target_defaults(${name})
  set(properties ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  if(ARG_THREADS)
    add_dependencies(gw_thread_tests ${name})
    list(APPEND properties LABELS threads)
  endif()
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST PROPERTIES ${properties})
endfunction()
