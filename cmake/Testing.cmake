# vm_add_test(<name> [QT] SOURCES <files...> LIBS <libs...> [LABELS <labels...>])
# One GoogleTest program per unit; its cases are registered with CTest. QT gives
# the program a QApplication (offscreen unless QT_QPA_PLATFORM says otherwise).
function(vm_add_test name)
  cmake_parse_arguments(T "QT" "" "SOURCES;LIBS;LABELS" ${ARGN})
  if(T_QT)
    add_executable(${name} ${T_SOURCES} ${CMAKE_SOURCE_DIR}/tests/support/QtTestMain.cpp)
    target_link_libraries(${name} PRIVATE ${T_LIBS} Qt6::Widgets GTest::gtest GTest::gmock)
  else()
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  endif()
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE VM_SOURCE_DIR="${CMAKE_SOURCE_DIR}" VM_BINARY_DIR="${CMAKE_BINARY_DIR}")
  # Widget tests that make their own application object run offscreen too.
  set(properties ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  if(T_LABELS)
    list(APPEND properties LABELS "${T_LABELS}")
  endif()
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ${properties})
endfunction()

# vm_add_fuzz_target(<name> SOURCES <files...> LIBS <libs...> CORPUS <dir>)
# A fuzz entry point (LLVMFuzzerTestOneInput). With VISTAMOOR_LIBFUZZER it links
# libFuzzer; otherwise a small driver replays the corpus and seeded mutations of it,
# which runs as a test in every build.
function(vm_add_fuzz_target name)
  cmake_parse_arguments(F "" "CORPUS" "SOURCES;LIBS" ${ARGN})
  if(VISTAMOOR_LIBFUZZER)
    add_executable(${name} ${F_SOURCES})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  else()
    add_executable(${name} ${F_SOURCES} ${CMAKE_SOURCE_DIR}/tests/fuzz/ReplayDriver.cpp)
    add_test(NAME ${name} COMMAND ${name} ${F_CORPUS})
    set_tests_properties(${name} PROPERTIES LABELS fuzz)
  endif()
  target_link_libraries(${name} PRIVATE ${F_LIBS})
endfunction()
