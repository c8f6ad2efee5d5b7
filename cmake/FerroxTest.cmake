# SPDX-FileCopyrightText: 2026 The Ferrox developers
# SPDX-License-Identifier: GPL-3.0-or-later
# ferrox_private_folder(<folder>): mode 0700, as a runtime folder must have.
function(ferrox_private_folder folder)
  file(CHMOD ${folder} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
endfunction()

# ferrox_add_test(<name> SOURCES <files...> LIBS <targets...> [QT])
# One executable per subsystem; QT tests run on the offscreen platform.
function(ferrox_add_test name)
  cmake_parse_arguments(T "QT" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main Threads::Threads)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/tests)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_compile_definitions(${name} PRIVATE
    FERROX_TEST_DATA_DIR="${CMAKE_CURRENT_SOURCE_DIR}/data"
    FERROX_OUTPUT_DIR="${FERROX_OUTPUT_DIR}")
  add_test(NAME ${name} COMMAND ${name})
  # A runtime folder per program: the single-instance lock one test holds must not refuse
  # another program's commands that ctest runs at the same time.
  # Private, as the programs take no runtime folder that others could reach.
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/test-runtime/${name})
  ferrox_private_folder(${CMAKE_BINARY_DIR}/test-runtime/${name})
  set(env "XDG_RUNTIME_DIR=${CMAKE_BINARY_DIR}/test-runtime/${name};FERROX_DATA_DIR=${CMAKE_BINARY_DIR}/test-data/${name}")
  # The interface language follows the locale until one is chosen: every run gets English,
  # whatever the developer's desktop speaks (an empty variable counts as unset).
  list(APPEND env "LANG=C.UTF-8" "LC_ALL=" "LC_MESSAGES=")
  if(T_QT)
    list(APPEND env "QT_QPA_PLATFORM=offscreen")
  endif()
  if(FERROX_SANITIZER_ENV)
    list(APPEND env "${FERROX_SANITIZER_ENV}")
  endif()
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}" TIMEOUT 600)
endfunction()
