#include "schema/schemaarray.h"

#include "schema/devicescope.h"
#include "schema/identifiertags.h"
#include "schema/storagemod.h"

namespace Schema {

Array::Array(unsigned char arrayNumber, const LogicalDriveSet& logicalDrives, const DriveSet& dataDrives,
             const DriveSet& spareDrives, const DriveSet& activeSpares, const DriveSet& failedDrives)
    : m_arrayNumber(arrayNumber), m_logicalDrives(logicalDrives), m_dataDrives(dataDrives), m_spareDrives(spareDrives),
      m_activeSpares(activeSpares), m_failedDrives(failedDrives)
{
    publishFact(Interface::StorageMod::Array::ATTR_NAME_ARRAY_NUMBER, arrayNumber);
}

void Array::RemoveLogicalDriveNumber(unsigned n)
{
    if (n < m_logicalDrives.size())
        m_logicalDrives.reset(n);
}

void Array::UpdateWith(const Core::DevicePtr& other)
{
    const Array* newer = dynamic_cast<const Array*>(other.get());
    if (newer == nullptr)
        return;
    m_logicalDrives = newer->m_logicalDrives;
    m_dataDrives = newer->m_dataDrives;
    m_spareDrives = newer->m_spareDrives;
    m_activeSpares = newer->m_activeSpares;
    m_failedDrives = newer->m_failedDrives;
}

Common::string Array::toStringImpl() const
{
    return composeIdentifier(*this, Anchor::Scope, ARRAY_TAG, decimalText(m_arrayNumber));
}

} // namespace Schema
