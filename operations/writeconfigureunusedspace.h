// Operations::WriteConfigureUnusedSpace (OPERATION_WRITE_CONFIGURE_UNUSED_SPACE) - fills an
// array's free space with one logical drive.
//
// What a caller may rely on: it is create-logical-drive (operations/writecreatelogicaldrive.h)
// with only ATTR_NAME_RAID passed on when given, so every other choice is that operation's
// default: the largest size, 63 sectors, the default stripe size, the accelerator enabled where
// the controller offers it. The return is create-logical-drive's, the new number included, and
// it applies where create-logical-drive does (FilterCreateLogicalDrive).
#ifndef VNL_OPERATIONS_WRITECONFIGUREUNUSEDSPACE_H
#define VNL_OPERATIONS_WRITECONFIGUREUNUSEDSPACE_H

#include "operations/writeoperation.h"
#include "schema/configmod.h"
#include "schema/schemaarray.h"

namespace Operations {

class WriteConfigureUnusedSpace : public Schema::VisitorArray,
                                  public WriteOperation<Interface::ConfigMod::OPERATION_WRITE_CONFIGURE_UNUSED_SPACE> {
public:
    Core::OperationReturn visit(Schema::Array& array) override;

protected:
    Core::FilterPtr pFilterImpl() const override;
};

} // namespace Operations

#endif
