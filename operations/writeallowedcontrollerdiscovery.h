// Operations::WriteAllowedControllerDiscovery - which controller models discovery may report.
//
// Performed on the root with ATTR_NAME_MASK_TYPE (ATTR_VALUE_MASK_TYPE_ENABLED: only the listed
// models; ATTR_VALUE_MASK_TYPE_DISABLED: every model but the listed ones) and one
// ATTR_NAME_CONTROLLER_NAME argument per listed model identifier. The mask is process-wide and
// replaces the previous one. Until the operation first runs no model is enabled, so discovery
// reports nothing; the start-up sequence sets the supported models before the first rescan.
#ifndef VNL_OPERATIONS_WRITEALLOWEDCONTROLLERDISCOVERY_H
#define VNL_OPERATIONS_WRITEALLOWEDCONTROLLERDISCOVERY_H

#include "core/deviceoperation.h"
#include "schema/schemamodroot.h"

namespace Operations {

class WriteAllowedControllerDiscovery : public Core::DeviceOperation, public Schema::VisitorModRoot {
public:
    Core::OperationReturn visit(Schema::ModRoot& root) override;

    static bool isControllerEnabled(const Common::string& model);

protected:
    Common::string nameImpl() const override;
    EnType eTypeImpl() const override { return TYPE_WRITE; }
};

} // namespace Operations

#endif
