// Fills the structure registry from the layout table, leaving out the layouts the report does
// not list.
#include "controller/bmicstructuretable.h"

void RegisterBmicStructures(StructureRegistry& registry)
{
    bool listed = false;
    for (const BmicLayoutRow& row : kBmicLayouts) {
        if (row.member == nullptr) {
            listed = row.listed;
            if (listed) {
                registry.AddStructure(row.structure);
                registry.SetStructureSize(row.structure, row.size);
            }
        } else if (listed) {
            registry.AddStructureMember(row.structure, row.member, row.offset, row.size, row.type);
        }
    }
}
