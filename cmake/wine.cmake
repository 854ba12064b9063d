# Runs the cross-compiled tests under Wine, in a Wine prefix of this build's
# own, so that no test touches the user's ~/.wine.
set(STENVIK_WINEPREFIX ${CMAKE_BINARY_DIR}/wine-prefix CACHE PATH "The Wine prefix the Windows tests run in")
set(STENVIK_WINE_RUN ${PROJECT_SOURCE_DIR}/tests/win32/wine-run)
set(CMAKE_CROSSCOMPILING_EMULATOR ${STENVIK_WINE_RUN} ${STENVIK_WINEPREFIX})
