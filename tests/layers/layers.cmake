# The folders of src/ are the layers: none may include one that includes it
# back, or one that docs/ARCHITECTURE.md's layer table does not allow it.
# Checked in every build: Linux, Windows and the browser edition.
add_test(NAME layers.no_include_ring
         COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR}/src
                 -DLAYER_TABLE=${PROJECT_SOURCE_DIR}/docs/ARCHITECTURE.md
                 -P ${PROJECT_SOURCE_DIR}/tests/layers/check_layers.cmake)
