# The files tests/<folder>/test_*.cpp of a folder are one program, <folder>_tests,
# compiled as a single unit (the toolkit's headers once per folder, and names
# that two files define alike are a compile error rather than a silent clash).
# Each file is one test, registered with ctest under the name <folder>_<file>:
# the program runs it offscreen, with its fixtures folder at hand. The folder's
# support_*.cpp files are built once, as a small library.
set(KV_TEST_RUNTIME_DIR ${CMAKE_BINARY_DIR}/xdg-runtime)
file(MAKE_DIRECTORY ${KV_TEST_RUNTIME_DIR})
file(CHMOD ${KV_TEST_RUNTIME_DIR} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)

# Under the sanitizers every leak fails its test, but for those the suppression
# file proves to lie outside the program's code.
set(KV_TEST_ENVIRONMENT "QT_QPA_PLATFORM=offscreen;XDG_RUNTIME_DIR=${KV_TEST_RUNTIME_DIR};LC_ALL=C.UTF-8")
if(KV_SANITIZE)
  list(APPEND KV_TEST_ENVIRONMENT
    "ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:detect_stack_use_after_return=0"
    "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0"
    "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
endif()

# A test that hangs fails at its timeout instead of holding up the whole run.
# The timeout guards against a hang only (every modal window a test drives is
# already bounded by the waiting helper), so it stands far above the slowest
# honest run of any test: the longest take about a minute alone in the
# sanitized build and several times that on a machine shared with busy jobs.
# The test library's own watchdog, which stops one test function after 300 s,
# is given the same bound.
set(KV_TEST_TIMEOUT 3600)
math(EXPR kv_test_function_ms "${KV_TEST_TIMEOUT} * 1000")
list(APPEND KV_TEST_ENVIRONMENT "QTEST_FUNCTION_TIMEOUT=${kv_test_function_ms}")

function(kv_add_test_folder folder)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/test_*.cpp)
  file(GLOB helper_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/support_*.cpp)
  # What every program of the folder compiles and links with.
  set(flags ${folder}_test_flags)
  add_library(${flags} INTERFACE)
  target_link_libraries(${flags} INTERFACE ${ARG_LIBS} Qt6::Test)
  # tests/support: what every folder's tests share (driving a modal window).
  target_include_directories(${flags} INTERFACE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/tests/support)
  # The folder's own fixtures: given to its own programs only, so that a test
  # folder linking another folder's support library keeps its own.
  set(definitions KV_FIXTURES="${CMAKE_CURRENT_SOURCE_DIR}/fixtures" KV_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  set(common ${folder}_test_common)
  add_library(${common} INTERFACE)
  target_link_libraries(${common} INTERFACE ${flags})
  if(helper_sources)
    add_library(${folder}_test_support STATIC ${helper_sources})
    target_link_libraries(${folder}_test_support PUBLIC ${flags})
    target_compile_definitions(${folder}_test_support PRIVATE ${definitions})
    target_link_libraries(${common} INTERFACE ${folder}_test_support)
  endif()
  set(program ${folder}_tests)
  add_executable(${program} ${test_sources} ${CMAKE_SOURCE_DIR}/tests/support/testprogram.cpp)
  set_target_properties(${program} PROPERTIES UNITY_BUILD_BATCH_SIZE 0)
  # The compiler takes a file-local type used in a lambda of an included file
  # for one shared between files; here every file is included, so it is not.
  target_compile_options(${program} PRIVATE -Wno-subobject-linkage)
  target_link_libraries(${program} PRIVATE ${common})
  target_compile_definitions(${program} PRIVATE ${definitions})
  foreach(src ${test_sources})
    get_filename_component(name ${src} NAME_WE)
    set(test ${folder}_${name})
    add_test(NAME ${test} COMMAND ${program} ${name})
    set_tests_properties(${test} PROPERTIES
      ENVIRONMENT "${KV_TEST_ENVIRONMENT}"
      TIMEOUT ${KV_TEST_TIMEOUT})
  endforeach()
endfunction()
