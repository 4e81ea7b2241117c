#include "picturelimits.h"

#include <atomic>

namespace {
std::atomic<std::chrono::milliseconds::rep> replacedLimit{0};
} // namespace

namespace PictureLimits {

std::chrono::milliseconds timeLimit() {
    const std::chrono::milliseconds replaced(replacedLimit.load());
    return replaced.count() > 0 ? replaced : kDefaultTimeLimit;
}

void setTimeLimit(std::chrono::milliseconds limit) {
    replacedLimit = limit.count();
}

} // namespace PictureLimits
