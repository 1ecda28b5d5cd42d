#include "core/rescanpass.h"

namespace Core {
namespace {

unsigned long lastPass = 0;
unsigned depth = 0;

} // namespace

RescanPass::RescanPass()
{
    if (depth++ == 0)
        ++lastPass;
}

RescanPass::~RescanPass() { --depth; }

unsigned long RescanPass::current() { return depth == 0 ? 0 : lastPass; }

} // namespace Core
