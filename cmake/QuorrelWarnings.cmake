# The warnings every Quorrel target is compiled with: link quorrel_warnings
# privately. CMAKE_COMPILE_WARNING_AS_ERROR makes them errors; configure with
# --compile-no-warning-as-error to see them as warnings only.
add_library(quorrel_warnings INTERFACE)
target_compile_options(quorrel_warnings INTERFACE -Wall -Wextra -Wpedantic -Wconversion -Wshadow)
set(CMAKE_COMPILE_WARNING_AS_ERROR ON)
