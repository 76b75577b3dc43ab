# What `cmake --install` and `cpack` deliver: the fichas command and its manual page, the shared
# library libzolkfichas (every folder declared with zolk_library, cli excepted), its headers
# under include/zolk/, a CMake package (find_package(ZolkFichas CONFIG)) and a pkg-config file.
include(CMakePackageConfigHelpers)

# The static libraries of the parts are built position-independent, so their objects make the
# shared library as they are: no folder is compiled twice.
get_property(zolk_parts GLOBAL PROPERTY ZOLK_LIBRARY_PARTS)
set(zolk_objects "")
set(zolk_outside_deps "")
foreach(part IN LISTS zolk_parts)
  list(APPEND zolk_objects $<TARGET_OBJECTS:${part}>)
  get_target_property(deps ${part} INTERFACE_LINK_LIBRARIES)
  foreach(dep IN LISTS deps)
    if(dep AND NOT dep IN_LIST zolk_parts)
      list(APPEND zolk_outside_deps ${dep})
    endif()
  endforeach()
endforeach()
list(REMOVE_DUPLICATES zolk_outside_deps)

add_library(zolk_shared SHARED ${zolk_objects})
set_target_properties(zolk_shared PROPERTIES
  OUTPUT_NAME zolkfichas
  EXPORT_NAME zolkfichas
  VERSION ${PROJECT_VERSION}
  SOVERSION ${PROJECT_VERSION_MAJOR})
# The outside libraries stay private: the installed headers include only the standard library.
target_link_libraries(zolk_shared PRIVATE ${zolk_outside_deps})
target_include_directories(zolk_shared INTERFACE
  $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>
  $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/zolk>)
target_compile_features(zolk_shared INTERFACE cxx_std_20)
add_library(ZolkFichas::zolkfichas ALIAS zolk_shared)

set_target_properties(fichas PROPERTIES EXPORT_NAME fichas)
install(TARGETS fichas EXPORT ZolkFichasTargets
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT runtime)
install(TARGETS zolk_shared EXPORT ZolkFichasTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT runtime
                NAMELINK_COMPONENT development)

set(zolk_cmake_dir ${CMAKE_INSTALL_LIBDIR}/cmake/ZolkFichas)
install(EXPORT ZolkFichasTargets NAMESPACE ZolkFichas:: DESTINATION ${zolk_cmake_dir}
        COMPONENT development)
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/ZolkFichasConfig.cmake.in
  ${PROJECT_BINARY_DIR}/package/ZolkFichasConfig.cmake INSTALL_DESTINATION ${zolk_cmake_dir})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/package/ZolkFichasConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/package/ZolkFichasConfig.cmake
              ${PROJECT_BINARY_DIR}/package/ZolkFichasConfigVersion.cmake
        DESTINATION ${zolk_cmake_dir} COMPONENT development)

# The pkg-config file finds its prefix from where it lies, so an install moved elsewhere (or
# made with `cmake --install --prefix`) still points at its own headers and library.
file(RELATIVE_PATH zolk_pc_to_prefix
  ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBDIR}/pkgconfig ${CMAKE_INSTALL_PREFIX})
string(REGEX REPLACE "/$" "" zolk_pc_to_prefix "${zolk_pc_to_prefix}")
configure_file(${PROJECT_SOURCE_DIR}/cmake/zolkfichas.pc.in ${PROJECT_BINARY_DIR}/package/zolkfichas.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/package/zolkfichas.pc
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT development)
