include(GNUInstallDirs)

# zolk_library(NAME DIR [COMMAND_ONLY] [DEPS ...]): a static library of every .cpp under DIR
# (tests, and a server extension built on its own, excluded). Unless COMMAND_ONLY, the folder is part of the installed library: its objects
# are built position-independent and go into the shared library, its headers are installed under
# include/zolk/<folder>/ (see cmake/install.cmake).
function(zolk_library name dir)
  cmake_parse_arguments(PARSE_ARGV 2 arg "COMMAND_ONLY" "" "")
  set(deps ${arg_UNPARSED_ARGUMENTS})
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS ${dir}/*.cpp)
  list(FILTER srcs EXCLUDE REGEX "^${dir}/(.*/)?(tests|main|extension)/")
  if(srcs)
    add_library(${name} STATIC ${srcs})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${deps})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${deps})
  endif()
  if(NOT arg_COMMAND_ONLY)
    if(srcs)
      set_target_properties(${name} PROPERTIES POSITION_INDEPENDENT_CODE ON)
      set_property(GLOBAL APPEND PROPERTY ZOLK_LIBRARY_PARTS ${name})
    endif()
    file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${dir})
    install(DIRECTORY ${dir}/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/zolk/${folder}
            COMPONENT development
            FILES_MATCHING PATTERN "*.h" PATTERN "tests" EXCLUDE PATTERN "main" EXCLUDE)
  endif()
endfunction()

# zolk_tests(NAME DIR [ENGINES] [DEPS ...]): one GoogleTest executable of every .cpp in
# DIR/tests, registered with ctest test by test. ENGINES labels its tests "engines": they run
# on every engine (scripts/test.sh runs them once more on a PostgreSQL server).
function(zolk_tests name dir)
  cmake_parse_arguments(PARSE_ARGV 2 arg "ENGINES" "" "")
  file(GLOB srcs CONFIGURE_DEPENDS ${dir}/tests/*.cpp)
  if(NOT srcs)
    return()
  endif()
  add_executable(${name} ${srcs})
  target_link_libraries(${name} PRIVATE ${arg_UNPARSED_ARGUMENTS} GTest::gtest GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE ZOLK_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  if(arg_ENGINES)
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 300 LABELS engines)
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 300)
  endif()
endfunction()
