# Checks on the rendered pictures (every file the game loads, beside the
# executable) and on the picture generator itself.
add_executable(vantrel_images_tests
  ${CMAKE_CURRENT_LIST_DIR}/images_files_tests.cpp
  ${CMAKE_CURRENT_LIST_DIR}/images_generator_tests.cpp
  ${CMAKE_CURRENT_LIST_DIR}/images_support.cpp)
target_link_libraries(vantrel_images_tests PRIVATE
  vantrel_assetgen_core Qt6::Gui GTest::gtest_main vantrel_warnings)
target_compile_definitions(vantrel_images_tests PRIVATE
  VANTREL_RUNTIME_DIR="${VANTREL_RUNTIME_DIR}"
  VANTREL_IMG_SOURCE_DIR="${PROJECT_SOURCE_DIR}/assets/img"
  VANTREL_ASSETGEN="$<TARGET_FILE:vantrel-assetgen>")
# The file checks look at the pictures of this build: render them first.
add_dependencies(vantrel_images_tests vantrel_images vantrel-assetgen)
gtest_discover_tests(vantrel_images_tests)
