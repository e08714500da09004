# The font commands' speed: the engine's copy against cp + sync, uninstall, delete and install
# of 1,000 fonts in a sandbox.
if(TARGET fontcommands_ui AND TARGET gw_testsupport)
  add_executable(fileops_bench ${CMAKE_CURRENT_SOURCE_DIR}/fileops_bench.cpp)
  target_link_libraries(fileops_bench PRIVATE fontcommands_ui fontcommands platform_qt
                        gw_testsupport benchmark::benchmark Qt6::Widgets)
  gw_target_defaults(fileops_bench)
endif()
