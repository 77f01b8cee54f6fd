# The Qt backend under test: the port's conformance suite on real widgets,
# and the backend's own tests. Both run on Qt's offscreen platform.
if(NOT TARGET trailcfg_qt)
  return()
endif()

set(_qt_test_env QT_QPA_PLATFORM=offscreen)

add_executable(port_conformance_qt
  ${CMAKE_CURRENT_LIST_DIR}/port_conformance_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt_backend.cpp)
target_include_directories(port_conformance_qt PRIVATE ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(port_conformance_qt PRIVATE trailcfg_test_support trailcfg_qt GTest::gtest_main)
# The prefix keeps these apart from the same suite's run on other backends.
gtest_discover_tests(port_conformance_qt TEST_PREFIX qt. DISCOVERY_TIMEOUT 60
  PROPERTIES ENVIRONMENT "${_qt_test_env}")

# Without a display the program says so and stops, instead of waiting for a
# user on a screen that does not exist.
if(TARGET trailcfg)
  add_test(NAME qt.trailcfg_without_display
    COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
            $<TARGET_FILE:trailcfg>)
  set_tests_properties(qt.trailcfg_without_display PROPERTIES
    PASS_REGULAR_EXPRESSION "no display" TIMEOUT 30)
  # --version and --help answer without a window, so without a display too.
  add_test(NAME qt.trailcfg_version
    COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
            $<TARGET_FILE:trailcfg> --version)
  set_tests_properties(qt.trailcfg_version PROPERTIES
    PASS_REGULAR_EXPRESSION "^trailcfg ${PROJECT_VERSION}\n$" TIMEOUT 30)
  add_test(NAME qt.trailcfg_help
    COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
            $<TARGET_FILE:trailcfg> --help)
  set_tests_properties(qt.trailcfg_help PROPERTIES
    PASS_REGULAR_EXPRESSION "^Usage: trailcfg \\[--help \\| --version\\]" TIMEOUT 30)
endif()

# Start-up time and peak memory of the desktop program (a measurement, not a
# test: run it by hand, see the file's head).
if(TARGET trailcfg_gui)
  add_executable(qt_startup_bench ${CMAKE_CURRENT_LIST_DIR}/qt_startup_bench.cpp)
  target_link_libraries(qt_startup_bench PRIVATE trailcfg_qt trailcfg_gui)
endif()

find_package(Qt6 COMPONENTS Test)
if(NOT Qt6Test_FOUND)
  return()
endif()
add_executable(qt_backend_tests
  ${CMAKE_CURRENT_LIST_DIR}/qt_backend_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt_fit_names_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt_text_test.cpp)
target_link_libraries(qt_backend_tests PRIVATE trailcfg_test_support trailcfg_qt Qt6::Test GTest::gtest_main)
gtest_discover_tests(qt_backend_tests DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT "${_qt_test_env}")
