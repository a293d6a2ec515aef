# What `cmake --install` puts under the prefix:
#   bin/qdhost                              the host application
#   lib/qd/qdProgressControls.so, qdxProgressPie.so   the two component modules
#   lib/libqdprogress-host.a                one library with everything a host program links
#   include/qdprogress/...                  the public headers: embedding API, ABI, both libraries
#   lib/cmake/qdProgress/                   find_package(qdProgress CONFIG)
#   lib/pkgconfig/qdprogress.pc             pkg-config
#   share/qdprogress/examples/              scripts, a form and the embedding example
#   share/doc/qdProgress/                   the guides
# Included once from the top-level CMakeLists.txt, after every target exists.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(QD_INSTALL_MODULEDIR ${CMAKE_INSTALL_LIBDIR}/qd)
set(QD_INSTALL_INCLUDEDIR ${CMAKE_INSTALL_INCLUDEDIR})
set(QD_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/qdProgress)
set(QD_CONTROLS_MODULE_NAME qdProgressControls${CMAKE_SHARED_MODULE_SUFFIX})
set(QD_SINGLEPIE_MODULE_NAME qdxProgressPie${CMAKE_SHARED_MODULE_SUFFIX})

# Conveniences for embedding programs: a quiet container with placed controls, the form as PNG.
add_library(qd_host_embed STATIC ${PROJECT_SOURCE_DIR}/host/container/embed.cpp)
target_link_libraries(qd_host_embed PUBLIC qd_host_container)

# The host side as one static library, so that a host program links a single archive whatever
# the internal split of host/: the objects of foundation, platform and every static library of
# host/, unchanged (a new library there is packaged without a change here).
set(QD_HOST_PARTS qd_foundation qd_platform qd_host_embed)
get_property(qd_host_targets DIRECTORY ${PROJECT_SOURCE_DIR}/host PROPERTY BUILDSYSTEM_TARGETS)
foreach(target IN LISTS qd_host_targets)
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "STATIC_LIBRARY")
    list(APPEND QD_HOST_PARTS ${target})
  endif()
endforeach()
set(qd_host_objects)
foreach(part IN LISTS QD_HOST_PARTS)
  list(APPEND qd_host_objects $<TARGET_OBJECTS:${part}>)
endforeach()
find_package(PNG REQUIRED)
find_package(Freetype REQUIRED)
find_package(Fontconfig REQUIRED)
add_library(qdprogress_host STATIC ${qd_host_objects})
add_library(qdProgress::host ALIAS qdprogress_host)
set_target_properties(qdprogress_host PROPERTIES OUTPUT_NAME qdprogress-host EXPORT_NAME host)
target_compile_features(qdprogress_host INTERFACE cxx_std_20)
target_include_directories(qdprogress_host INTERFACE
  $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/include>
  $<INSTALL_INTERFACE:${QD_INSTALL_INCLUDEDIR}>)
target_link_libraries(qdprogress_host PRIVATE PNG::PNG Freetype::Freetype Fontconfig::Fontconfig
                      ${CMAKE_DL_LIBS})

install(TARGETS qdprogress_host EXPORT qdProgressTargets ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(TARGETS qdProgressControls qdxProgressPie EXPORT qdProgressTargets
        LIBRARY DESTINATION ${QD_INSTALL_MODULEDIR})
install(TARGETS qdhost EXPORT qdProgressTargets RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# Only the public tree: every header there includes nothing but the standard library and its
# neighbours, so no internal folder is part of the installed interface.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/qdprogress DESTINATION ${QD_INSTALL_INCLUDEDIR}
        FILES_MATCHING PATTERN "*.h")

install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/scripts ${PROJECT_SOURCE_DIR}/examples/forms
                  ${PROJECT_SOURCE_DIR}/examples/embed
        DESTINATION ${CMAKE_INSTALL_DATADIR}/qdprogress/examples)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/ DESTINATION ${CMAKE_INSTALL_DOCDIR})

install(EXPORT qdProgressTargets NAMESPACE qdProgress:: DESTINATION ${QD_INSTALL_CMAKEDIR})
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/qdProgressConfig.cmake.in
  ${PROJECT_BINARY_DIR}/qdProgressConfig.cmake INSTALL_DESTINATION ${QD_INSTALL_CMAKEDIR}
  PATH_VARS QD_INSTALL_MODULEDIR QD_INSTALL_INCLUDEDIR)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/qdProgressConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/qdProgressConfig.cmake
              ${PROJECT_BINARY_DIR}/qdProgressConfigVersion.cmake
        DESTINATION ${QD_INSTALL_CMAKEDIR})

# The pkg-config file finds its prefix from its own place, so the installed tree can be moved.
# (`cmake --install --prefix` may choose another prefix than the configured one).
file(RELATIVE_PATH QD_PC_TO_PREFIX /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
string(REGEX REPLACE "/$" "" QD_PC_TO_PREFIX "${QD_PC_TO_PREFIX}")
set(QD_PC_EXTRA_LIBS)
if(CMAKE_DL_LIBS)
  set(QD_PC_EXTRA_LIBS -l${CMAKE_DL_LIBS})
endif()
configure_file(${CMAKE_CURRENT_LIST_DIR}/qdprogress.pc.in ${PROJECT_BINARY_DIR}/qdprogress.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/qdprogress.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
