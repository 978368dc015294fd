# zerb_library(NAME DIR [DEPS ...]): a static library of every .cpp in DIR.
# Sources are globbed so that adding a module is adding its files.
function(zerb_library name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
  endif()
endfunction()

# zerb_tests_in(DIR LIBS ... [RUN_WITH command ...]): every DIR/*_test.cpp
# becomes one GoogleTest executable named <dir>_<file>, registered with
# CTest (run by the RUN_WITH command when given, e.g. a server around it).
function(zerb_tests_in dir)
  cmake_parse_arguments(ARG "" "" "LIBS;RUN_WITH" ${ARGN})
  file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*_test.cpp)
  foreach(test_source IN LISTS tests)
    get_filename_component(stem ${test_source} NAME_WE)
    set(target ${dir}_${stem})
    add_executable(${target} ${test_source})
    target_link_libraries(${target} PRIVATE ${ARG_LIBS} zerb_testsupport GTest::gtest GTest::gtest_main)
    add_test(NAME ${target} COMMAND ${ARG_RUN_WITH} $<TARGET_FILE:${target}>)
    set_tests_properties(${target} PROPERTIES
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ZERB32_SOURCE_DIR=${PROJECT_SOURCE_DIR};ZERB32_BINARY_DIR=${PROJECT_BINARY_DIR}")
  endforeach()
endfunction()
