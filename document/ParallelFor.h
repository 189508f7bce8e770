#pragma once

#include <cstddef>
#include <functional>

// Runs work(i) once for every i below nCount, on as many threads as the machine has cores
// (at most nCount), and returns when all are done. An exception in any work is thrown again
// here.
void ParallelFor(std::size_t nCount, const std::function<void(std::size_t)>& work);
