#include "bench_clock.h"

#include <chrono>

double BenchNowMs()
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}
