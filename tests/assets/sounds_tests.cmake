# Checks on the rendered music and effects in bin/snd; building the test
# renders the sounds first.
add_executable(vantrel_sounds_tests ${CMAKE_CURRENT_LIST_DIR}/sounds_tests.cpp)
target_link_libraries(vantrel_sounds_tests PRIVATE vantrel_logic vantrel_warnings GTest::gtest_main)
target_compile_definitions(vantrel_sounds_tests PRIVATE VANTREL_RUNTIME_DIR="${VANTREL_RUNTIME_DIR}")
if(TARGET vantrel_sounds)
  add_dependencies(vantrel_sounds_tests vantrel_sounds)
endif()
gtest_discover_tests(vantrel_sounds_tests)
