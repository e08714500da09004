# Opening the properties window and the character table on CJK collection faces.
if(TARGET details AND TARGET platform_qt)
  add_executable(details_bench ${CMAKE_CURRENT_SOURCE_DIR}/details_bench.cpp)
  target_link_libraries(details_bench PRIVATE details catalogue platform platform_qt
                        benchmark::benchmark Qt6::Widgets)
  gw_target_defaults(details_bench)
endif()
