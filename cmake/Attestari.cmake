# One static library per source folder: attestari_<name>, from every .cpp/.h in it.
function(attestari_module name)
  cmake_parse_arguments(M "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_library(attestari_${name} STATIC ${sources})
  target_include_directories(attestari_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(attestari_${name} PUBLIC ${M_DEPS})
  target_compile_options(attestari_${name} PRIVATE -Wall -Wextra)
  if(TARGET Qt6::Widgets AND "${M_DEPS}" MATCHES "Widgets|attestari_ui")
    target_precompile_headers(attestari_${name} PRIVATE <QtWidgets>)
  else()
    target_precompile_headers(attestari_${name} PRIVATE <QtCore>)
  endif()
endfunction()

# A Qt Test executable from <name>.cpp in the current folder, run offscreen by CTest.
function(attestari_test name)
  cmake_parse_arguments(T "" "" "LIBS;SOURCES" ${ARGN})
  add_executable(${name} ${name}.cpp ${T_SOURCES})
  target_link_libraries(${name} PRIVATE attestari_testsupport ${T_LIBS} Qt6::Test)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_QPA_FONTDIR=/usr/share/fonts"
    TIMEOUT 300)
endfunction()
