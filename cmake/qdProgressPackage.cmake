# Debian packages, `cpack -G DEB` in a build folder:
#   qdprogress       the two component modules, qdhost, the examples and the guides
#   qdprogress-dev   the public headers, the host library, the CMake package and pkg-config file
#   qdprogress-qt    the Qt widget library, the Designer plugin, the QML module and the form
#                    designer qddesigner (when Qt is found)
#   qdprogress-qt-dev  its headers, CMake targets (COMPONENTS qt), pkg-config file, examples
# Library dependencies come from dpkg-shlibdeps; the -dev package needs the runtime package of the same version and the
# development packages the host library links against.
set(CPACK_PACKAGE_NAME qdprogress)
set(CPACK_PACKAGE_VENDOR "qdProgress")
set(CPACK_PACKAGE_CONTACT "qdProgress maintainers <qdprogress@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Embeddable progress controls: a pie and a bar")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL runtime dev)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME qdprogress)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_DEPENDS "fonts-dejavu-core")
set(CPACK_COMPONENT_RUNTIME_DESCRIPTION
    "Progress controls (pie, bar, single pie) as loadable modules, and qdhost to run them")
set(CPACK_DEBIAN_DEV_PACKAGE_NAME qdprogress-dev)
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEV_PACKAGE_DEPENDS
    "qdprogress (= ${PROJECT_VERSION}), libpng-dev, libfreetype-dev, libfontconfig1-dev")
set(CPACK_COMPONENT_DEV_DESCRIPTION
    "Headers <qdprogress/...>, the host library and the CMake and pkg-config files to embed the controls")
if(TARGET qdprogress-qt)
  list(APPEND CPACK_COMPONENTS_ALL qt qt-dev)
  set(CPACK_DEBIAN_QT_PACKAGE_NAME qdprogress-qt)
  set(CPACK_DEBIAN_QT_PACKAGE_DEPENDS "qdprogress (= ${PROJECT_VERSION})")
  set(CPACK_COMPONENT_QT_DESCRIPTION
      "The progress controls as Qt 6 widgets and QML types, with their Qt Designer plugin and the form designer qddesigner")
  set(CPACK_DEBIAN_QT-DEV_PACKAGE_NAME qdprogress-qt-dev)
  set(CPACK_DEBIAN_QT-DEV_PACKAGE_SECTION libdevel)
  set(CPACK_DEBIAN_QT-DEV_PACKAGE_DEPENDS "qdprogress-qt (= ${PROJECT_VERSION}), qt6-base-dev")
  set(CPACK_COMPONENT_QT-DEV_DESCRIPTION
      "Headers <qdprogress/qt/...>, the CMake and pkg-config files for the Qt widgets")
endif()
include(CPack)
