#pragma once

#include <cstddef>
#include <functional>
#include <iterator>
#include <vector>

// Runs work(i) once for every i below nCount, on as many threads as the machine has cores
// (at most nCount), and returns when all are done. An exception in any work is thrown again
// here.
void ParallelFor(std::size_t nCount, const std::function<void(std::size_t)>& work);

// The same with a part of the result for each i: work(i, part) fills it, and the parts come
// back joined in the order of i.
template <class T>
std::vector<T> ParallelJoin(std::size_t nCount,
                            const std::function<void(std::size_t, std::vector<T>&)>& work) {
    std::vector<std::vector<T>> parts(nCount);
    ParallelFor(nCount, [&](std::size_t i) { work(i, parts[i]); });
    std::size_t nJoined = 0;
    for (const std::vector<T>& part : parts) {
        nJoined += part.size();
    }
    std::vector<T> joined;
    joined.reserve(nJoined);
    for (std::vector<T>& part : parts) {
        std::move(part.begin(), part.end(), std::back_inserter(joined));
    }
    return joined;
}
