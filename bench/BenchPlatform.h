#pragma once

#include <ostream>

#include "cli/ConsolePlatform.h"

namespace kz::bench {

// A desktop that is never asked anything: a fixed date, messages dropped,
// progress updates counted.
class BenchPlatform : public cli::ConsolePlatform {
public:
    explicit BenchPlatform(const Date& today) : ConsolePlatform(Sink()) { SetToday(today); }

    long long updates = 0;
    int SetProgress(long long value, long long max) override {
        ++updates;
        return ConsolePlatform::SetProgress(value, max);
    }

private:
    static std::ostream& Sink() {
        static std::ostream nowhere(nullptr);
        return nowhere;
    }
};

}  // namespace kz::bench
