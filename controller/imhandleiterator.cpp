#include "controller/imhandleiterator.h"

#include "controller/imgrimport.h"

void IMHandleIterator::EnumerateRoot(std::uint32_t objectKind, const Acceptor& accept)
{
    if (ImgrImport::InfoMgrInitStatus() != IMGR_STATUS_OK)
        return;
    ImgrHandle root = 0;
    if (ImgrImport::InfoMgrOpenObject(0, objectKind, &root, 0, 0) != IMGR_STATUS_OK)
        return;
    Enumerate(root, IMGR_ENUM_CHILDREN, accept);
    ImgrImport::InfoMgrCloseObject(root);
}

void IMHandleIterator::Enumerate(ImgrHandle parent, std::uint32_t childKind, const Acceptor& accept)
{
    for (std::uint32_t index = 0; index < MAX_INDEX; ++index) {
        ImgrHandle child = 0;
        const ImgrStatus result = ImgrImport::InfoMgrEnumObject(parent, childKind, index, &child, 0, 0);
        if (result == IMGR_STATUS_NO_MORE_OBJECTS)
            return;
        if (result != IMGR_STATUS_OK)
            continue;
        if (accept(child)) {
            m_handles.push_back(child);
        } else {
            ImgrImport::InfoMgrCloseObject(child);
        }
    }
}

bool IMHandleIterator::ReadInfoBytes(ImgrHandle handle, std::uint32_t infoClass, void* buffer, std::uint32_t size)
{
    std::uint32_t length = size;
    return ImgrImport::InfoMgrGetObjectInfo(handle, infoClass, 0, buffer, &length) == IMGR_STATUS_OK;
}
