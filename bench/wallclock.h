#pragma once
// Wall-clock timing for the benchmarks that drive the window: milliseconds of one piece of
// work, the median of runs, and a figure printed against its target. Questions are answered
// with their default (OK).

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "platform/dialogs.h"

namespace mv::bench {

class AnswerOk : public Dialogs {
public:
    Answer Show(MessageKind, const std::string&, const std::string&, Buttons, Answer answer) override { return answer; }
};

inline double Ms(const std::function<void()>& work) {
    const auto begin = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count();
}

inline double Median(std::vector<double> runs) {
    std::sort(runs.begin(), runs.end());
    return runs[runs.size() / 2];
}

inline void Print(const char* what, double ms, double target) {
    std::printf("%-58s %9.1f ms  (target %.0f ms: %s)\n", what, ms, target, ms <= target ? "met" : "MISSED");
}

}  // namespace mv::bench
