# The OpenType files list_vs_fcscan.sh mixes into its corpus with "OpenType" on.
if(TARGET gw_testsupport)
  add_executable(write_opentype_fonts ${CMAKE_CURRENT_SOURCE_DIR}/write_opentype_fonts.cpp)
  target_link_libraries(write_opentype_fonts PRIVATE gw_testsupport)
  gw_target_defaults(write_opentype_fonts)
endif()
