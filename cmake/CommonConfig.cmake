# Language level, warnings and Qt strictness shared by every target.
add_library(zicalc_common INTERFACE)
target_compile_features(zicalc_common INTERFACE cxx_std_20)
target_compile_options(zicalc_common INTERFACE -Wall -Wextra -Wpedantic)
target_compile_definitions(zicalc_common INTERFACE
  QT_NO_CAST_FROM_ASCII
  QT_NO_CAST_TO_ASCII
  QT_NO_CONTEXTLESS_CONNECT
  QT_NO_URL_CAST_FROM_STRING
  QT_DISABLE_DEPRECATED_UP_TO=0x060400)
set(CMAKE_CXX_EXTENSIONS OFF)

# Rebuilds across work trees go much faster through ccache when it is there; it is optional.
find_program(ZICALC_CCACHE ccache)
if(ZICALC_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
  set(CMAKE_CXX_COMPILER_LAUNCHER ${ZICALC_CCACHE})
endif()
