# Every file tests/<folder>/test_*.cpp is one QtTest program, registered with ctest
# under the name <folder>_<file>, run offscreen with its fixtures folder at hand.
set(KV_TEST_RUNTIME_DIR ${CMAKE_BINARY_DIR}/xdg-runtime)
file(MAKE_DIRECTORY ${KV_TEST_RUNTIME_DIR})
file(CHMOD ${KV_TEST_RUNTIME_DIR} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)

function(kv_add_test_folder folder)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/test_*.cpp)
  file(GLOB helper_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/support_*.cpp)
  foreach(src ${test_sources})
    get_filename_component(name ${src} NAME_WE)
    set(target ${folder}_${name})
    add_executable(${target} ${src} ${helper_sources})
    target_link_libraries(${target} PRIVATE ${ARG_LIBS} Qt6::Test)
    target_include_directories(${target} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    target_compile_definitions(${target} PRIVATE
      KV_FIXTURES="${CMAKE_CURRENT_SOURCE_DIR}/fixtures"
      KV_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
    add_test(NAME ${target} COMMAND ${target})
    set_tests_properties(${target} PROPERTIES
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;XDG_RUNTIME_DIR=${KV_TEST_RUNTIME_DIR};LC_ALL=C.UTF-8"
      TIMEOUT 300)
  endforeach()
endfunction()
