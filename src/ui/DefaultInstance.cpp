#include "ui/DefaultInstance.h"

#include <vector>

namespace scriptloom {

namespace {
std::vector<void (*)()>& discards() {
    static std::vector<void (*)()> all;
    return all;
}
}  // namespace

void detail::registerDiscard(void (*discard)()) {
    discards().push_back(discard);
}

void discardAllWindows() {
    for (auto* discard : discards()) {
        discard();
    }
}

}  // namespace scriptloom
