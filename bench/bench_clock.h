// A monotonic clock in milliseconds.
#pragma once

double BenchNowMs();
