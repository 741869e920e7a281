# The Windows test build's tests under Wine (included by the calculation-only
# build when the toolchain runs its programs with Wine). Nothing here runs
# Wine at build time: the tests are listed when CTest starts, and the prefix
# is made by the first program run in it (cmake/wine_run.sh).

set(PLUVIK_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine)
set(wine_run ${CMAKE_COMMAND} -E env WINEPREFIX=${PLUVIK_WINE_PREFIX} ${CMAKE_CURRENT_LIST_DIR}/wine_run.sh)
set(CMAKE_CROSSCOMPILING_EMULATOR ${wine_run})

# One Wine server for the whole test run, kept up until the last test has
# ended: a test that started while the previous test's server was shutting
# down lost its connection ("wine client error"). The server and Wine's own
# services (started here by wineboot, not by the first test) leave CTest's
# output alone, or CTest would wait for them to end.
add_test(NAME wine_server_start
         COMMAND ${wine_run} --sh "wineserver -k 2>/dev/null; wineserver -w; \
wineserver -p </dev/null >/dev/null 2>&1 && wineboot </dev/null >/dev/null 2>&1")
add_test(NAME wine_server_stop COMMAND ${wine_run} --sh "wineserver -k 2>/dev/null; true")
set_tests_properties(wine_server_start PROPERTIES FIXTURES_SETUP wine_server TIMEOUT 180)
set_tests_properties(wine_server_stop PROPERTIES FIXTURES_CLEANUP wine_server TIMEOUT 60)
set(PLUVIK_TEST_FIXTURE wine_server)
