// Schema::DriveCage - a drive cage inside a storage enclosure; it holds the physical drives and
// tape drives on the cage's bus.
//
// Identified by its enclosure's identifier + ",DC:" + the cage's text (as discovery names the
// cage within its enclosure); cages with the same text are the same cage.
#ifndef VNL_SCHEMA_SCHEMADRIVECAGE_H
#define VNL_SCHEMA_SCHEMADRIVECAGE_H

#include "controller/bmicforwarddevice.h"
#include "schema/keyeddevice.h"
#include "schema/schemacapacities.h"

namespace Schema {

class DriveCage;
using VisitorDriveCage = Visitor<DriveCage>;

class DriveCage : public KeyedDevice<DriveCage, Core::DeviceComposite, Interface::MORUMod::ATTR_VALUE_TYPE_DRIVE_CAGE,
                                     MAX_EMBEDDED_DRIVE_CAGE_OBJECTS, Anchor::Parent, DRIVE_CAGE_TAG>,
                  public BMICForwardDevice {
public:
    explicit DriveCage(const Common::string& cageText) : m_cageText(cageText) {}

    const Common::string& identityKey() const { return m_cageText; }

private:
    Common::string m_cageText;
};

} // namespace Schema

#endif
