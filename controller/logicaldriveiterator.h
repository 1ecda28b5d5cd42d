// LogicalDriveIterator - the logical drives the information manager knows on
// one controller: children that answer their drive number. The access name
// (and its in-use flag) is optional; a drive without one reads as an empty
// name, not in use.
#ifndef CONTROLLER_LOGICALDRIVEITERATOR_H
#define CONTROLLER_LOGICALDRIVEITERATOR_H

#include "common/ctlstring.h"
#include "controller/imhandleiterator.h"

class LogicalDriveIterator : public IMHandleIterator {
public:
    explicit LogicalDriveIterator(ImgrHandle controller);

    std::uint8_t getLogicalDriveNumber(ImgrHandle handle) const;
    bool isLogicalDriveInUse(ImgrHandle handle) const;
    Common::string getDriveAccessName(ImgrHandle handle) const;

private:
    bool take(ImgrHandle handle);

    Common::map<ImgrHandle, ImgrDriveNumberInfo> m_numbers;
    Common::map<ImgrHandle, ImgrAccessNameInfo> m_accessNames;
};

#endif
