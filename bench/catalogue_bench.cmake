# The catalogue's speed and memory: name reading, folder and installed loads, bytes per record.
if(TARGET catalogue AND TARGET platform_qt AND TARGET gw_testsupport)
  add_executable(catalogue_bench ${CMAKE_CURRENT_SOURCE_DIR}/catalogue_bench.cpp)
  target_link_libraries(catalogue_bench PRIVATE catalogue platform platform_qt gw_testsupport
                        benchmark::benchmark Qt6::Gui)
  gw_target_defaults(catalogue_bench)
endif()
