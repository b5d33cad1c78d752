# pave_library(NAME [DEPS ...] [GUI_DEPS ...])
# Builds the library NAME from the *.cpp files of the calling folder (no Qt), and NAME_gui from the
# *.cpp files of its gui/ subfolder (Qt widgets), when there are any. A folder without sources gives
# an interface library, so that dependants link whatever exists.
function(pave_library name)
  cmake_parse_arguments(PL "" "" "DEPS;GUI_DEPS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(srcs)
    add_library(${name} STATIC ${srcs})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${PL_DEPS})
    set_target_properties(${name} PROPERTIES AUTOMOC OFF)
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} INTERFACE ${PL_DEPS})
  endif()
  file(GLOB gui_srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/gui/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/gui/*.h)
  if(gui_srcs)
    add_library(${name}_gui STATIC ${gui_srcs})
    target_include_directories(${name}_gui PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name}_gui PUBLIC ${name} ${PL_GUI_DEPS} Qt6::Widgets Qt6::PrintSupport)
  else()
    add_library(${name}_gui INTERFACE)
    target_link_libraries(${name}_gui INTERFACE ${name} ${PL_GUI_DEPS})
  endif()
endfunction()

# pave_tests(NAME LIBS...) builds tests/<folder>/*_test.cpp into one executable NAME and registers
# its cases with CTest. Widgets run offscreen; leak checking is off (tests/support/asan_options.cpp).
function(pave_tests name)
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT srcs)
    return()
  endif()
  if(PAVE_SANITIZE)
    list(APPEND srcs ${PROJECT_SOURCE_DIR}/tests/support/asan_options.cpp)
  endif()
  add_executable(${name} ${srcs})
  target_link_libraries(${name} PRIVATE ${ARGN} GTest::gtest GTest::gmock GTest::gtest_main Qt6::Test)
  # Helpers shared by several test folders: #include "support/...".
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE
    PAVE_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    PAVE_TEST_DIR="${CMAKE_CURRENT_SOURCE_DIR}"
    PAVE_BIN_DIR="${CMAKE_BINARY_DIR}/bin")
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
