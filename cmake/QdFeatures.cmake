# The build's parts and what they need. Required libraries stop the configure with the Debian
# package to install; each optional part is an AUTO/ON/OFF option: AUTO builds it when what it
# needs is found, ON insists, OFF skips. feature_summary() at the end of the top-level file
# prints what is on, what is off and why.
include(FeatureSummary)

# Fails the configure when a required library is missing, naming the package that provides it.
macro(qd_require package debian)
  find_package(${package} QUIET)
  if(NOT ${package}_FOUND)
    message(FATAL_ERROR "${package} not found: install the Debian package ${debian} "
                        "(apt-get install ${debian})")
  endif()
  set_package_properties(${package} PROPERTIES TYPE REQUIRED)
endmacro()

qd_require(PNG libpng-dev)
qd_require(Freetype libfreetype-dev)
qd_require(Fontconfig libfontconfig1-dev)

# qd_optional(NAME "what it is" "what it needs" FOUND_VARIABLE): sets NAME_ENABLED.
function(qd_optional name description needs found)
  set(${name} AUTO CACHE STRING "${description} (AUTO, ON or OFF; needs ${needs})")
  set_property(CACHE ${name} PROPERTY STRINGS AUTO ON OFF)
  string(TOUPPER "${${name}}" value)
  if(value STREQUAL "OFF" OR value STREQUAL "FALSE" OR value STREQUAL "0")
    set(enabled OFF)
    set(why "${description}: off (${name}=OFF)")
  elseif(${found})
    set(enabled ON)
    set(why "${description}")
  elseif(value STREQUAL "AUTO")
    set(enabled OFF)
    set(why "${description}: skipped, ${needs} not found")
  else()
    message(FATAL_ERROR "${name}=ON but ${needs} was not found")
  endif()
  set(${name}_ENABLED ${enabled} PARENT_SCOPE)
  add_feature_info(${name} enabled "${why}")
endfunction()

# Earlier spellings of two options, still honoured.
foreach(old_new QD_BUILD_TESTS:QD_TESTS QD_BUILD_BENCH:QD_BENCH)
  string(REPLACE ":" ";" pair ${old_new})
  list(GET pair 0 old)
  list(GET pair 1 new)
  if(DEFINED ${old} AND NOT DEFINED CACHE{${new}})
    set(${new} ${${old}} CACHE STRING "")
  endif()
endforeach()

find_package(GTest QUIET)
qd_optional(QD_TESTS "the test suite (CTest)" "GoogleTest (googletest, libgtest-dev, libgmock-dev)"
            GTest_FOUND)
find_package(benchmark QUIET)
qd_optional(QD_BENCH "the benchmarks under bench/" "Google Benchmark (libbenchmark-dev)"
            benchmark_FOUND)
find_package(GIF QUIET)
qd_optional(QD_GIF "the gallery's animation as a GIF (else numbered PNG frames)"
            "giflib (libgif-dev)" GIF_FOUND)
find_package(PkgConfig QUIET)
if(PkgConfig_FOUND)
  pkg_check_modules(CAIRO QUIET IMPORTED_TARGET cairo)
endif()
qd_optional(QD_CAIRO "the benchmarks' Cairo peers" "Cairo (libcairo2-dev)" CAIRO_FOUND)
# The Qt widgets (qt/): built whenever Qt 6 Widgets is found.
find_package(Qt6 QUIET COMPONENTS Widgets)
qd_optional(QD_QT "the Qt widgets, their tests and examples" "Qt 6 Widgets (qt6-base-dev)"
            Qt6_FOUND)
