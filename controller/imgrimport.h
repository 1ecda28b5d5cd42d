// imgrimport - the tool's binding of the information-manager library.
//
// The library is opened on the first call of InfoMgrInitStatus (or of any
// other wrapper, when nobody called InfoMgrInitStatus first) and its entry
// points are looked up in a fixed order, stopping at the first one missing;
// a later InfoMgrInitStatus tries again until all are bound. A missing
// library (or first entry point) makes InfoMgrInitStatus return
// IMGR_STATUS_NO_LIBRARY; every other wrapper returns
// IMGR_STATUS_NO_ENTRY_POINT while its entry point is unbound and otherwise
// forwards its arguments unchanged. No wrapper throws.
//
// Tests replace the library with SetLoader; the default loader uses
// dlopen (lazy binding) of IMGR_LIBRARY_NAME and dlsym, and LibraryLoader
// does the same for a library file named by its path.
#ifndef CONTROLLER_IMGRIMPORT_H
#define CONTROLLER_IMGRIMPORT_H

#include <memory>

#include "controller/imgrdefs.h"

namespace ImgrImport {

// Where the entry points come from.
class Loader {
public:
    virtual ~Loader() = default;
    virtual bool open() = 0; // true when the library is there
    virtual void* lookup(const char* symbol) = 0; // null when it lacks the symbol
};

// Replaces the loader and forgets the present binding (null: the default).
void SetLoader(std::unique_ptr<Loader> loader);

// A loader that opens the library file at `path` (the default opens
// IMGR_LIBRARY_NAME through the dynamic linker's search).
std::unique_ptr<Loader> LibraryLoader(const char* path);

ImgrStatus InfoMgrInitStatus();
ImgrStatus InfoMgrOpenObject(ImgrHandle parent, std::uint32_t objectKind, ImgrHandle* handle, std::uint32_t reserved1,
                             std::uint32_t reserved2);
ImgrStatus InfoMgrCloseObject(ImgrHandle handle);
ImgrStatus InfoMgrEnumObject(ImgrHandle handle, std::uint32_t childKind, std::uint32_t index, ImgrHandle* child,
                             std::uint32_t reserved1, std::uint32_t reserved2);
ImgrStatus InfoMgrGetObjectInfo(ImgrHandle handle, std::uint32_t infoClass, std::uint32_t reserved, void* buffer,
                                std::uint32_t* length);
ImgrStatus InfoMgrSetObjectInfo(ImgrHandle handle, std::uint32_t infoClass, std::uint32_t reserved, void* buffer,
                                std::uint32_t* length);
ImgrStatus InfoMgrControlObject(ImgrHandle handle, std::uint32_t controlCode, std::uint32_t direction, void* record,
                                std::uint32_t* length, std::uint32_t reserved1, std::uint32_t reserved2);
ImgrStatus InfoMgrUnregisterObject(std::uint32_t registration);
ImgrStatus InfoMgrRegisterObject(ImgrHandle handle, std::uint32_t eventMask, void* callback, void* context);
ImgrStatus InfoMgrLockObject(ImgrHandle handle, std::uint32_t mode, std::uint32_t timeout);
ImgrStatus InfoMgrUnlockObject(ImgrHandle handle, std::uint32_t mode, std::uint32_t reserved);

} // namespace ImgrImport

#endif
