# Project-wide warnings as an INTERFACE target: link it PRIVATE into every target of ours.
add_library(morvanta_warnings INTERFACE)
target_compile_options(morvanta_warnings INTERFACE
    -Wall -Wextra -Wpedantic
    -Wshadow              # a local hiding a member or another local is nearly always a slip
    -Wconversion          # silent narrowing between double, int and colour channels
    -Wsign-conversion
    -Wold-style-cast
    -Wnon-virtual-dtor    # every interface here is deleted through its base
    -Wsuggest-override
    $<$<BOOL:${MORVANTA_WARNINGS_AS_ERRORS}>:-Werror>)
