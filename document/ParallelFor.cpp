#include "ParallelFor.h"

#include <algorithm>
#include <atomic>
#include <future>
#include <thread>
#include <vector>

void ParallelFor(std::size_t nCount, const std::function<void(std::size_t)>& work) {
    std::atomic<std::size_t> nNext{0};
    const auto worker = [&] {
        for (std::size_t i = nNext++; i < nCount; i = nNext++) {
            work(i);
        }
    };
    const std::size_t nThreads =
        std::min<std::size_t>(nCount, std::max(1u, std::thread::hardware_concurrency()));
    std::vector<std::future<void>> others;
    for (std::size_t i = 1; i < nThreads; ++i) {
        others.push_back(std::async(std::launch::async, worker));
    }
    worker();
    for (std::future<void>& other : others) {
        other.get();
    }
}
