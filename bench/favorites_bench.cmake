# Favorites with a large file: rebuilding the pane and looking a big group up among the fonts.
if(TARGET favorites_ui)
  add_executable(favorites_bench ${CMAKE_CURRENT_SOURCE_DIR}/favorites_bench.cpp)
  target_link_libraries(favorites_bench PRIVATE favorites_ui favorites gw_resources
                        benchmark::benchmark Qt6::Widgets)
  gw_target_defaults(favorites_bench)
endif()
