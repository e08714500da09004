# The preview list's drawing speed: full repaints, focus moves, Page Down onto unseen fonts.
if(TARGET preview AND TARGET platform_qt AND TARGET gw_testsupport)
  add_executable(paint_bench ${CMAKE_CURRENT_SOURCE_DIR}/paint_bench.cpp)
  target_link_libraries(paint_bench PRIVATE preview catalogue platform platform_qt gw_testsupport
                        benchmark::benchmark Qt6::Widgets)
  gw_target_defaults(paint_bench)
endif()
