# Whether to build bench/: MORVANTA_BUILD_BENCH=ON requires Google Benchmark, OFF leaves the
# benchmarks out, AUTO builds them when the library is found and says so when it is not.
set(MORVANTA_BENCH_ENABLED OFF)
if(MORVANTA_BUILD_BENCH STREQUAL "AUTO")
    find_package(benchmark QUIET)
    if(benchmark_FOUND)
        set(MORVANTA_BENCH_ENABLED ON)
    else()
        message(STATUS "Google Benchmark not found: the benchmarks in bench/ are not built "
                       "(install libbenchmark-dev, or set MORVANTA_BUILD_BENCH=OFF to silence this)")
    endif()
elseif(MORVANTA_BUILD_BENCH)
    find_package(benchmark REQUIRED)
    set(MORVANTA_BENCH_ENABLED ON)
endif()
