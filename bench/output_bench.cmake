# The sample sheet as a PDF, turning a print preview page, and the export preview following
# a width change. Its 1,000 distinct faces are made with the tests' drawable font builder.
if(TARGET output_ui AND TARGET gw_testsupport)
  add_executable(output_bench ${CMAKE_CURRENT_SOURCE_DIR}/output_bench.cpp)
  target_link_libraries(output_bench PRIVATE output_ui output catalogue platform platform_qt
                        gw_testsupport benchmark::benchmark Qt6::Widgets)
  gw_target_defaults(output_bench)
endif()
