// Core::RescanPass - which rescan of the tree is running, so that what one rescan learnt from
// the hardware can be told from what an earlier one learnt.
//
// What a caller may rely on:
// - Device::Reenumerate holds a RescanPass for its whole run. A rescan started while another is
//   running (from within one of its operations) belongs to the outer one.
// - current() numbers the passes from 1 upward, a new number for every outermost rescan; it is 0
//   while no rescan runs (between commands, during a write).
// - The tree is rescanned by one thread at a time (under the root's lock), so the count needs
//   no lock of its own.
#ifndef CORE_RESCANPASS_H
#define CORE_RESCANPASS_H

namespace Core {

class RescanPass {
public:
    RescanPass();
    ~RescanPass();
    RescanPass(const RescanPass&) = delete;
    RescanPass& operator=(const RescanPass&) = delete;

    static unsigned long current();
};

} // namespace Core

#endif
