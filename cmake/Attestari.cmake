# The program's code is split by what it needs, not by folder:
#  - attestari_core holds every piece of logic that needs no widget (record
#    layouts, codecs, checks, list lines, page designs, the export writer).
#    It links Qt Core and nothing else, so a window can never creep into it.
#  - one window library per source folder, attestari_<name>, from the rest of
#    that folder's files; it may use the core, never the reverse.
# A folder names its core files with attestari_core_sources() before calling
# attestari_module().

function(attestari_core_sources)
  foreach(file ${ARGN})
    target_sources(attestari_core PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/${file})
    set_property(DIRECTORY APPEND PROPERTY ATTESTARI_CORE_FILES ${CMAKE_CURRENT_SOURCE_DIR}/${file})
  endforeach()
endfunction()

# The window library of the current folder: every .cpp/.h that is not core.
function(attestari_module name)
  cmake_parse_arguments(M "" "" "DEPS;EXCLUDE" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  get_property(core DIRECTORY PROPERTY ATTESTARI_CORE_FILES)
  foreach(file ${core} ${M_EXCLUDE})
    get_filename_component(file ${file} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
    list(REMOVE_ITEM sources ${file})
  endforeach()
  if(sources)
    add_library(attestari_${name} STATIC ${sources})
    target_include_directories(attestari_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(attestari_${name} PUBLIC attestari_core ${M_DEPS})
  else()
    # A folder whose windows are still to come: nothing to build, usable as a dependency.
    add_library(attestari_${name} INTERFACE)
    target_link_libraries(attestari_${name} INTERFACE attestari_core ${M_DEPS})
  endif()
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
