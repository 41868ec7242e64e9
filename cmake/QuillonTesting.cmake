# add_quillon_test(<name> SOURCES <files...> [LIBS <targets...>] [LABELS <labels...>]
#                  [AUDIO] [SOAK] [TIMEOUT <seconds>] [ENVIRONMENT <VAR=value...>])
#
# Builds one QtTest executable per test file and registers it with ctest.
# AUDIO tests need the private PulseAudio server: they join the "pulse" fixture, run one at a
# time (they share the server's sinks), get the label "audio" and see the server through
# PULSE_SERVER. Every test sees QUILLON_BIN_DIR (the executables and the resource folder) and
# runs widgets on the offscreen platform. SOAK tests (long runs) get the label "soak" and run
# only in the configuration "soak" (`ctest -C soak -L soak`, which `make soak` does), so a
# plain ctest leaves them out.
set(QUILLON_PULSE_DIR ${CMAKE_BINARY_DIR}/pulse)
set(QUILLON_PULSE_ENV
    "PULSE_SERVER=unix:${QUILLON_PULSE_DIR}/native"
    "PULSE_RUNTIME_PATH=${QUILLON_PULSE_DIR}/runtime"
    "PULSE_STATE_PATH=${QUILLON_PULSE_DIR}/state"
    "QUILLON_PULSE_DIR=${QUILLON_PULSE_DIR}")

function(add_quillon_test name)
    cmake_parse_arguments(T "AUDIO;SOAK" "TIMEOUT" "SOURCES;LIBS;LABELS;ENVIRONMENT" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE Qt5::Test quillon_testharness ${T_LIBS})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    if(T_SOAK)
        add_test(NAME ${name} COMMAND ${name} CONFIGURATIONS soak)
    else()
        add_test(NAME ${name} COMMAND ${name})
    endif()
    # Each test gets its own per-user folders, so settings and history never touch the real ones.
    set(home ${CMAKE_BINARY_DIR}/test-home/${name})
    set(env "QT_QPA_PLATFORM=offscreen" "QUILLON_BIN_DIR=${QUILLON_BIN_DIR}"
            "XDG_DATA_HOME=${home}/data" "XDG_CONFIG_HOME=${home}/config"
            "XDG_CACHE_HOME=${home}/cache"
            "QUILLON_SOURCE_DIR=${CMAKE_SOURCE_DIR}" ${T_ENVIRONMENT})
    set(labels ${T_LABELS})
    if(T_SOAK)
        list(APPEND labels soak)
    endif()
    if(T_AUDIO)
        list(APPEND labels audio)
        list(APPEND env ${QUILLON_PULSE_ENV})
        set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED pulse RESOURCE_LOCK pulse)
    endif()
    if(NOT labels)
        set(labels unit)
    endif()
    if(SANITIZE MATCHES "thread")
        list(APPEND env "TSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/harness/tsan.supp")
    endif()
    if(SANITIZE MATCHES "address")
        list(APPEND env "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/harness/lsan.supp")
    endif()
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 300)
    endif()
    if(T_SOAK)
        # QtTest ends a test function after 5 minutes by itself; a soak test's take longer.
        list(APPEND env "QTEST_FUNCTION_TIMEOUT=${T_TIMEOUT}000")
    endif()
    set_tests_properties(${name} PROPERTIES LABELS "${labels}" ENVIRONMENT "${env}"
                                            TIMEOUT ${T_TIMEOUT})
endfunction()
