// Operations::WriteSetStorageEnclosureSerialNumber
// (OPERATION_WRITE_SET_STORAGE_ENCLOSURE_SERIAL_NUMBER) - writes the chassis serial number of an
// external storage enclosure, for example after its chassis was replaced.
//
// What a caller may rely on:
// - ATTR_NAME_SERIAL_NUMBER is required (ATTR_VALUE_STATUS_ARGUMENT_MISSING without it). The
//   enclosure's serial number page is read, then written back with the name field cleared and
//   at most 32 characters of the new number in it; both go to the enclosure processor through
//   a 0xC5 pass-through of the controller the enclosure hangs on.
// - The chassis serial number names a storage system, so the system is a new device to the
//   next rescan; the tree keeps the old picture until then.
// - Offered only on external enclosures, the ones whose processor keeps the number
//   (ExternalEnclosureFilter).
#ifndef VNL_OPERATIONS_WRITESETSTORAGEENCLOSURESERIALNUMBER_H
#define VNL_OPERATIONS_WRITESETSTORAGEENCLOSURESERIALNUMBER_H

#include "operations/writeoperation.h"
#include "schema/configmod.h"
#include "schema/schemastorageenclosure.h"

namespace Operations {

class WriteSetStorageEnclosureSerialNumber
    : public Schema::VisitorStorageEnclosure,
      public WriteOperation<Interface::ConfigMod::OPERATION_WRITE_SET_STORAGE_ENCLOSURE_SERIAL_NUMBER> {
public:
    Core::OperationReturn visit(Schema::StorageEnclosure& enclosure) override;

protected:
    Core::FilterPtr pFilterImpl() const override;
};

} // namespace Operations

#endif
