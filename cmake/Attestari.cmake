# The program's code in two layers, told apart by path:
#  - src/core/<feature>/ is attestari_core, every piece of logic that needs no
#    widget (record layouts, codecs, checks, list lines, page designs, the
#    export writer). It links Qt Core and nothing else, so a window can never
#    creep into it.
#  - every other src/<feature>/ is one window library, attestari_<feature>,
#    from all of its files; it may use the core and the window libraries
#    below it (layers.cmake), never the reverse.

include(${CMAKE_CURRENT_LIST_DIR}/layers.cmake)

# The window library of the current folder, linked to the layers the table
# gives it; DEPS adds Qt modules, EXCLUDE names the files of its executables
# (main functions), which are not part of it.
function(attestari_module name)
  cmake_parse_arguments(M "" "" "DEPS;EXCLUDE" ${ARGN})
  set(layers)
  foreach(layer ${ATTESTARI_LAYER_${name}})
    list(APPEND layers attestari_${layer})
  endforeach()
  file(GLOB sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  foreach(file ${M_EXCLUDE})
    list(REMOVE_ITEM sources ${CMAKE_CURRENT_SOURCE_DIR}/${file})
  endforeach()
  add_library(attestari_${name} STATIC ${sources})
  target_include_directories(attestari_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(attestari_${name} PUBLIC ${layers} ${M_DEPS})
endfunction()

# A Qt Test executable from <name>.cpp in the current folder, run offscreen by CTest.
# CORE tests link the core alone and run without a QApplication.
function(attestari_test name)
  cmake_parse_arguments(T "CORE" "" "LIBS;SOURCES" ${ARGN})
  add_executable(${name} ${name}.cpp ${T_SOURCES})
  if(T_CORE)
    target_link_libraries(${name} PRIVATE attestari_testsupport_core ${T_LIBS})
  else()
    target_link_libraries(${name} PRIVATE attestari_testsupport ${T_LIBS})
  endif()
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_QPA_FONTDIR=/usr/share/fonts"
    TIMEOUT 300)
endfunction()

# `cmake --build build --target check_headers` compiles every header of src/
# on its own, so none leans on what another happened to include first.
function(attestari_header_check)
  file(GLOB_RECURSE headers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/*.h)
  set(units)
  foreach(header ${headers})
    file(RELATIVE_PATH rel ${PROJECT_SOURCE_DIR}/src ${header})
    string(MAKE_C_IDENTIFIER ${rel} id)
    set(unit ${CMAKE_BINARY_DIR}/header_check/${id}.cpp)
    file(CONFIGURE OUTPUT ${unit} CONTENT "#include \"${rel}\"\n")
    list(APPEND units ${unit})
  endforeach()
  add_library(check_headers OBJECT EXCLUDE_FROM_ALL ${units})
  set_target_properties(check_headers PROPERTIES AUTOMOC OFF)
  target_include_directories(check_headers PRIVATE ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(check_headers PRIVATE Qt6::Widgets Qt6::PrintSupport)
endfunction()

# `cmake --build build --target check_layers` holds every include to the table
# of layers.
function(attestari_layer_check)
  add_custom_target(check_layers
    COMMAND ${CMAKE_COMMAND} -DROOT=${PROJECT_SOURCE_DIR} -P ${PROJECT_SOURCE_DIR}/cmake/check_layers.cmake
    COMMENT "Checking includes against the layers"
    VERBATIM)
endfunction()
