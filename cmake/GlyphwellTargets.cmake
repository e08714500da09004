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

# gw_library(name SOURCES ... LINKS ...): one library per src/ folder. LINKS names exactly
# the folders (and external libraries) it builds on, so the layering reads from CMake.
function(gw_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_LINKS})
  gw_target_defaults(${name})
endfunction()

# gw_test(name SOURCES ... LINKS ... [GUI]): a GoogleTest program registered with ctest.
# GUI tests get a main() that creates an offscreen QApplication.
function(gw_test name)
  cmake_parse_arguments(ARG "GUI" "" "SOURCES;LINKS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  if(ARG_GUI)
    target_link_libraries(${name} PRIVATE ${ARG_LINKS} gw_testmain_gui)
  else()
    target_link_libraries(${name} PRIVATE ${ARG_LINKS} gw_testmain_core)
  endif()
  gw_target_defaults(${name})
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
