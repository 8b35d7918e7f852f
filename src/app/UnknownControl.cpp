#include "app/UnknownControl.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace app {
namespace {

UnknownControlReaction& reaction()
{
    static UnknownControlReaction current;
    return current;
}

} // namespace

void reportUnknownControl(const UnknownControl& fault)
{
    if (const UnknownControlReaction& react = reaction()) {
        react(fault);
        return;
    }
    std::fprintf(stderr, "window %s has no control %s\n", fault.window.c_str(), fault.control.c_str());
    std::abort();
}

UnknownControlReaction setUnknownControlReaction(UnknownControlReaction next)
{
    return std::exchange(reaction(), std::move(next));
}

} // namespace app
