#include "controller/imgrimport.h"

#include <dlfcn.h>

#include <array>
#include <cstddef>
#include <mutex>
#include <string>

namespace ImgrImport {
namespace {

// Entry points in the order they are looked up.
enum Entry : std::size_t {
    INIT_STATUS,
    OPEN_OBJECT,
    CLOSE_OBJECT,
    ENUM_OBJECT,
    GET_OBJECT_INFO,
    SET_OBJECT_INFO,
    CONTROL_OBJECT,
    UNREGISTER_OBJECT,
    REGISTER_OBJECT,
    LOCK_OBJECT,
    UNLOCK_OBJECT,
    ENTRY_COUNT,
};

constexpr std::array<const char*, ENTRY_COUNT> kEntryNames{
    "InfoMgrInitStatus",     "InfoMgrOpenObject",    "InfoMgrCloseObject",   "InfoMgrEnumObject",
    "InfoMgrGetObjectInfo",  "InfoMgrSetObjectInfo", "InfoMgrControlObject", "InfoMgrUnregisterObject",
    "InfoMgrRegisterObject", "InfoMgrLockObject",    "InfoMgrUnlockObject",
};

class DynamicLoader : public Loader {
public:
    explicit DynamicLoader(const char* path = IMGR_LIBRARY_NAME) : m_path(path ? path : "") {}

    bool open() override
    {
        if (!m_library)
            m_library = dlopen(m_path.c_str(), RTLD_LAZY);
        return m_library != nullptr;
    }
    void* lookup(const char* symbol) override { return dlsym(m_library, symbol); }

private:
    std::string m_path;
    void* m_library = nullptr; // stays open for the life of the process
};

class Binding {
public:
    void reset(std::unique_ptr<Loader> loader)
    {
        std::lock_guard<std::mutex> guard(m_mutex);
        m_loader = loader ? std::move(loader) : std::make_unique<DynamicLoader>();
        m_entries.fill(nullptr);
        m_bound = 0;
        m_attempted = false;
    }

    // Binds again unless every entry point is bound already.
    void* bindAndGet(Entry entry)
    {
        std::lock_guard<std::mutex> guard(m_mutex);
        if (m_bound < ENTRY_COUNT)
            bindLocked();
        return m_entries[entry];
    }

    // Binds only if no binding was ever tried.
    void* get(Entry entry)
    {
        std::lock_guard<std::mutex> guard(m_mutex);
        if (!m_attempted)
            bindLocked();
        return m_entries[entry];
    }

private:
    void bindLocked()
    {
        m_attempted = true;
        if (!m_loader)
            m_loader = std::make_unique<DynamicLoader>();
        if (!m_loader->open())
            return;
        for (; m_bound < ENTRY_COUNT; ++m_bound) {
            void* address = m_loader->lookup(kEntryNames[m_bound]);
            if (!address)
                return;
            m_entries[m_bound] = address;
        }
    }

    std::mutex m_mutex;
    std::unique_ptr<Loader> m_loader;
    std::array<void*, ENTRY_COUNT> m_entries{};
    std::size_t m_bound = 0;
    bool m_attempted = false;
};

Binding& binding()
{
    static Binding instance;
    return instance;
}

template <Entry entry, class Function, class... Args>
ImgrStatus forward(Args... args)
{
    void* address = binding().get(entry);
    if (!address)
        return IMGR_STATUS_NO_ENTRY_POINT;
    return reinterpret_cast<Function>(address)(args...);
}

} // namespace

std::unique_ptr<Loader> LibraryLoader(const char* path) { return std::make_unique<DynamicLoader>(path); }

void SetLoader(std::unique_ptr<Loader> loader) { binding().reset(std::move(loader)); }

ImgrStatus InfoMgrInitStatus()
{
    void* address = binding().bindAndGet(INIT_STATUS);
    if (!address)
        return IMGR_STATUS_NO_LIBRARY;
    return reinterpret_cast<PFN_InfoMgrInitStatus>(address)();
}

ImgrStatus InfoMgrOpenObject(ImgrHandle parent, std::uint32_t objectKind, ImgrHandle* handle, std::uint32_t reserved1,
                             std::uint32_t reserved2)
{
    return forward<OPEN_OBJECT, PFN_InfoMgrOpenObject>(parent, objectKind, handle, reserved1, reserved2);
}

ImgrStatus InfoMgrCloseObject(ImgrHandle handle) { return forward<CLOSE_OBJECT, PFN_InfoMgrCloseObject>(handle); }

ImgrStatus InfoMgrEnumObject(ImgrHandle handle, std::uint32_t childKind, std::uint32_t index, ImgrHandle* child,
                             std::uint32_t reserved1, std::uint32_t reserved2)
{
    return forward<ENUM_OBJECT, PFN_InfoMgrEnumObject>(handle, childKind, index, child, reserved1, reserved2);
}

ImgrStatus InfoMgrGetObjectInfo(ImgrHandle handle, std::uint32_t infoClass, std::uint32_t reserved, void* buffer,
                                std::uint32_t* length)
{
    return forward<GET_OBJECT_INFO, PFN_InfoMgrGetObjectInfo>(handle, infoClass, reserved, buffer, length);
}

ImgrStatus InfoMgrSetObjectInfo(ImgrHandle handle, std::uint32_t infoClass, std::uint32_t reserved, void* buffer,
                                std::uint32_t* length)
{
    return forward<SET_OBJECT_INFO, PFN_InfoMgrSetObjectInfo>(handle, infoClass, reserved, buffer, length);
}

ImgrStatus InfoMgrControlObject(ImgrHandle handle, std::uint32_t controlCode, std::uint32_t direction, void* record,
                                std::uint32_t* length, std::uint32_t reserved1, std::uint32_t reserved2)
{
    return forward<CONTROL_OBJECT, PFN_InfoMgrControlObject>(handle, controlCode, direction, record, length, reserved1,
                                                             reserved2);
}

ImgrStatus InfoMgrUnregisterObject(std::uint32_t registration)
{
    return forward<UNREGISTER_OBJECT, PFN_InfoMgrUnregisterObject>(registration);
}

ImgrStatus InfoMgrRegisterObject(ImgrHandle handle, std::uint32_t eventMask, void* callback, void* context)
{
    return forward<REGISTER_OBJECT, PFN_InfoMgrRegisterObject>(handle, eventMask, callback, context);
}

ImgrStatus InfoMgrLockObject(ImgrHandle handle, std::uint32_t mode, std::uint32_t timeout)
{
    return forward<LOCK_OBJECT, PFN_InfoMgrLockObject>(handle, mode, timeout);
}

ImgrStatus InfoMgrUnlockObject(ImgrHandle handle, std::uint32_t mode, std::uint32_t reserved)
{
    return forward<UNLOCK_OBJECT, PFN_InfoMgrUnlockObject>(handle, mode, reserved);
}

} // namespace ImgrImport
