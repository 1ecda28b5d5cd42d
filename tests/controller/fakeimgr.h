// A scriptable stand-in for the information-manager library, installed into
// the binding through ImgrImport::SetLoader. Each test scripts the entry
// points it needs with handlers; every control call is recorded with a copy
// of its record so tests can check what reached the library.
#ifndef TESTS_CONTROLLER_FAKEIMGR_H
#define TESTS_CONTROLLER_FAKEIMGR_H

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "controller/bmiccommand.h"
#include "controller/imgrimport.h"

namespace FakeImgr {

struct ControlCall {
    ImgrHandle handle;
    std::uint32_t code;
    std::uint32_t direction;
    std::uint32_t length;
    std::vector<std::uint8_t> record; // the record as the library received it
    std::vector<std::uint8_t> cdb; // SCSI requests: the command block

    template <class Record>
    Record as() const
    {
        Record copy{};
        std::memcpy(&copy, record.data(), std::min(sizeof(copy), record.size()));
        return copy;
    }
};

using ControlHandler = std::function<ImgrStatus(const ControlCall&, void* record)>;
using InfoHandler = std::function<ImgrStatus(ImgrHandle, std::uint32_t infoClass, void* buffer, std::uint32_t* length)>;
using EnumHandler = std::function<ImgrStatus(ImgrHandle, std::uint32_t kind, std::uint32_t index, ImgrHandle* child)>;

struct State {
    bool libraryPresent = true;
    std::set<std::string> missingSymbols;
    std::vector<std::string> lookups;
    ImgrStatus initStatus = IMGR_STATUS_OK;
    ControlHandler control = [](const ControlCall&, void*) { return IMGR_STATUS_OK; };
    InfoHandler getInfo = [](ImgrHandle, std::uint32_t, void*, std::uint32_t*) { return IMGR_STATUS_INVALID_REQUEST; };
    InfoHandler setInfo = [](ImgrHandle, std::uint32_t, void*, std::uint32_t*) { return IMGR_STATUS_OK; };
    EnumHandler enumerate = [](ImgrHandle, std::uint32_t, std::uint32_t, ImgrHandle*) {
        return IMGR_STATUS_NO_MORE_OBJECTS;
    };
    std::vector<ControlCall> calls;
    std::vector<std::uint32_t> setInfoClasses;
    std::vector<ImgrHandle> opened;
    std::vector<ImgrHandle> closed;
    int retryWaits = 0;
};

inline State& state()
{
    static State instance;
    return instance;
}

inline const std::uint8_t* cdbOf(std::uint32_t code, void* record)
{
    if (code == IMGR_CONTROL_SCSI)
        return static_cast<const std::uint8_t*>(static_cast<ImgrScsiRecord*>(record)->pCdb);
    if (code == IMGR_CONTROL_SCSI_BY_ADDRESS)
        return static_cast<const std::uint8_t*>(static_cast<ImgrScsiAddressRecord*>(record)->scsi.pCdb);
    return nullptr;
}

inline std::uint8_t cdbLengthOf(std::uint32_t code, void* record)
{
    if (code == IMGR_CONTROL_SCSI)
        return static_cast<ImgrScsiRecord*>(record)->bCdbLength;
    if (code == IMGR_CONTROL_SCSI_BY_ADDRESS)
        return static_cast<ImgrScsiAddressRecord*>(record)->scsi.bCdbLength;
    return 0;
}

inline ImgrStatus initStatus() { return state().initStatus; }

inline ImgrStatus openObject(ImgrHandle, std::uint32_t kind, ImgrHandle* handle, std::uint32_t, std::uint32_t)
{
    *handle = 0x7000 + kind;
    state().opened.push_back(*handle);
    return IMGR_STATUS_OK;
}

inline ImgrStatus closeObject(ImgrHandle handle)
{
    state().closed.push_back(handle);
    return IMGR_STATUS_OK;
}

inline ImgrStatus enumObject(ImgrHandle handle, std::uint32_t kind, std::uint32_t index, ImgrHandle* child,
                             std::uint32_t, std::uint32_t)
{
    return state().enumerate(handle, kind, index, child);
}

inline ImgrStatus getObjectInfo(ImgrHandle handle, std::uint32_t infoClass, std::uint32_t, void* buffer,
                                std::uint32_t* length)
{
    return state().getInfo(handle, infoClass, buffer, length);
}

inline ImgrStatus setObjectInfo(ImgrHandle handle, std::uint32_t infoClass, std::uint32_t, void* buffer,
                                std::uint32_t* length)
{
    state().setInfoClasses.push_back(infoClass);
    return state().setInfo(handle, infoClass, buffer, length);
}

inline ImgrStatus controlObject(ImgrHandle handle, std::uint32_t code, std::uint32_t direction, void* record,
                                std::uint32_t* length, std::uint32_t, std::uint32_t)
{
    ControlCall call{handle, code, direction, *length, {}, {}};
    const auto* bytes = static_cast<const std::uint8_t*>(record);
    call.record.assign(bytes, bytes + *length);
    if (const std::uint8_t* cdb = cdbOf(code, record)) {
        call.cdb.assign(cdb, cdb + cdbLengthOf(code, record));
    }
    state().calls.push_back(call);
    return state().control(call, record);
}

inline ImgrStatus unusedOne(std::uint32_t) { return IMGR_STATUS_OK; }
inline ImgrStatus unusedThree(ImgrHandle, std::uint32_t, std::uint32_t) { return IMGR_STATUS_OK; }
inline ImgrStatus unusedRegister(ImgrHandle, std::uint32_t, void*, void*) { return IMGR_STATUS_OK; }

class Loader : public ImgrImport::Loader {
public:
    bool open() override { return state().libraryPresent; }

    void* lookup(const char* symbol) override
    {
        state().lookups.push_back(symbol);
        if (state().missingSymbols.count(symbol))
            return nullptr;
        static const std::map<std::string, void*> table{
            {"InfoMgrInitStatus", reinterpret_cast<void*>(&initStatus)},
            {"InfoMgrOpenObject", reinterpret_cast<void*>(&openObject)},
            {"InfoMgrCloseObject", reinterpret_cast<void*>(&closeObject)},
            {"InfoMgrEnumObject", reinterpret_cast<void*>(&enumObject)},
            {"InfoMgrGetObjectInfo", reinterpret_cast<void*>(&getObjectInfo)},
            {"InfoMgrSetObjectInfo", reinterpret_cast<void*>(&setObjectInfo)},
            {"InfoMgrControlObject", reinterpret_cast<void*>(&controlObject)},
            {"InfoMgrUnregisterObject", reinterpret_cast<void*>(&unusedOne)},
            {"InfoMgrRegisterObject", reinterpret_cast<void*>(&unusedRegister)},
            {"InfoMgrLockObject", reinterpret_cast<void*>(&unusedThree)},
            {"InfoMgrUnlockObject", reinterpret_cast<void*>(&unusedThree)},
        };
        auto found = table.find(symbol);
        return found == table.end() ? nullptr : found->second;
    }
};

inline void countWait(std::uint32_t milliseconds)
{
    EXPECT_EQ(milliseconds, BmicCommand::RETRY_DELAY_MS);
    ++state().retryWaits;
}

// Installs a fresh fake library (and a retry wait that only counts) for
// each test, and the real binding again afterwards.
class Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        state() = State{};
        ImgrImport::SetLoader(std::make_unique<Loader>());
        m_previousWait = BmicCommand::SetRetryWait(countWait);
    }

    void TearDown() override
    {
        BmicCommand::SetRetryWait(m_previousWait);
        ImgrImport::SetLoader(nullptr);
    }

    static State& fake() { return state(); }

private:
    BmicCommand::RetryWait m_previousWait = nullptr;
};

// Answers every BMIC request with the given status bytes (and sense key,
// ASC written into the sense buffer).
inline ControlHandler bmicAnswer(std::uint16_t commandStatus, std::uint8_t scsiStatus, std::uint8_t senseKey = 0,
                                 std::uint8_t asc = 0, std::uint8_t ascq = 0)
{
    return [=](const ControlCall&, void* record) {
        auto* bmic = static_cast<ImgrBmicRecord*>(record);
        bmic->wCommandStatus = commandStatus;
        bmic->bScsiStatus = scsiStatus;
        auto* sense = static_cast<std::uint8_t*>(bmic->pSense);
        sense[2] = senseKey;
        sense[12] = asc;
        sense[13] = ascq;
        bmic->dwSenseLength = 18;
        return IMGR_STATUS_OK;
    };
}

// A controller that answers garbage: random status fields, a random claimed
// sense length, and random bytes in every buffer it was given (within the
// lengths it was given). Returns 0 most of the time, else a random status.
inline ControlHandler garbage(unsigned seed)
{
    auto random = std::make_shared<std::mt19937>(seed);
    return [random](const ControlCall& call, void* record) {
        auto next = [&random] { return static_cast<std::uint32_t>((*random)()); };
        auto fill = [&next](void* buffer, std::uint32_t length) {
            auto* bytes = static_cast<std::uint8_t*>(buffer);
            for (std::uint32_t i = 0; bytes && i < length; ++i)
                bytes[i] = static_cast<std::uint8_t>(next());
        };
        ImgrScsiRecord* scsi = call.code == IMGR_CONTROL_SCSI ? static_cast<ImgrScsiRecord*>(record)
            : call.code == IMGR_CONTROL_SCSI_BY_ADDRESS       ? &static_cast<ImgrScsiAddressRecord*>(record)->scsi
                                                              : nullptr;
        auto scramble = [&](auto* request) {
            fill(request->pData, request->dwDataLength);
            fill(request->pSense, request->dwSenseLength);
            request->bScsiStatus = static_cast<std::uint8_t>(next() % 3);
            request->wCommandStatus = static_cast<std::uint16_t>(next() % 5);
            request->dwSenseLength = next();
        };
        if (scsi)
            scramble(scsi);
        else
            scramble(static_cast<ImgrBmicRecord*>(record));
        return next() % 4 ? IMGR_STATUS_OK : next();
    };
}

} // namespace FakeImgr

#endif
