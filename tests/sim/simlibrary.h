// Test helpers: a fresh state directory per test, and the simulated library
// opened with dlopen exactly as the tool opens it.
#ifndef VNL_TESTS_SIM_SIMLIBRARY_H
#define VNL_TESTS_SIM_SIMLIBRARY_H

#include "controller/imgrdefs.h"
#include "sim/presets.h"
#include "sim/statestore.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <string>
#include <vector>

// A state directory of its own, made from a preset, and VNLSIM_STATE naming it.
class TempState {
public:
    explicit TempState(const std::string& preset)
    {
        char pattern[] = "/tmp/vnlsim-test-XXXXXX";
        m_dir = ::mkdtemp(pattern);
        ::setenv("VNLSIM_STATE", m_dir.c_str(), 1);
        ::unsetenv("VNLSIM_CLOCK");
        Sim::StateStore store(m_dir);
        std::string error;
        EXPECT_TRUE(store.reset(std::string(*Sim::presetText(preset)), error)) << error;
    }
    ~TempState() { std::system(("rm -rf " + m_dir).c_str()); }
    const std::string& dir() const { return m_dir; }

private:
    std::string m_dir;
};

// What a shell command prints on its standard output.
inline std::string run(const std::string& command)
{
    std::string out;
    FILE* pipe = ::popen(command.c_str(), "r");
    char buffer[4096];
    for (size_t n; pipe && (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        out.append(buffer, n);
    if (pipe)
        ::pclose(pipe);
    return out;
}

struct BmicResult {
    ImgrStatus status = 0;
    std::uint8_t scsiStatus = 0;
    std::uint16_t commandStatus = 0;
    std::uint8_t senseKey = 0;
    std::uint8_t asc = 0;
    bool ok() const { return status == 0 && scsiStatus == 0; }
};

class SimLibrary {
public:
    SimLibrary()
    {
        m_handle = ::dlopen(VNLSIM_LIBRARY, RTLD_NOW | RTLD_LOCAL);
        EXPECT_NE(m_handle, nullptr) << ::dlerror();
        init = bind<PFN_InfoMgrInitStatus>("InfoMgrInitStatus");
        open = bind<PFN_InfoMgrOpenObject>("InfoMgrOpenObject");
        enumerate = bind<PFN_InfoMgrEnumObject>("InfoMgrEnumObject");
        getInfo = bind<PFN_InfoMgrGetObjectInfo>("InfoMgrGetObjectInfo");
        setInfo = bind<PFN_InfoMgrSetObjectInfo>("InfoMgrSetObjectInfo");
        control = bind<PFN_InfoMgrControlObject>("InfoMgrControlObject");
    }

    // Children of kind under a handle, until the library reports no more.
    std::vector<ImgrHandle> children(ImgrHandle parent, std::uint32_t kind)
    {
        std::vector<ImgrHandle> out;
        ImgrHandle child = 0;
        for (std::uint32_t i = 0; enumerate(parent, kind, i, &child, 0, 0) == IMGR_STATUS_OK; ++i)
            out.push_back(child);
        return out;
    }
    std::vector<ImgrHandle> localControllers()
    {
        ImgrHandle root = 0;
        EXPECT_EQ(open(0, IMGR_OBJECT_ARRAY_CONTROLLERS, &root, 0, 0), IMGR_STATUS_OK);
        return children(root, IMGR_ENUM_CHILDREN);
    }
    std::vector<ImgrHandle> adapters()
    {
        ImgrHandle root = 0;
        EXPECT_EQ(open(0, IMGR_OBJECT_HOST_BUS_ADAPTERS, &root, 0, 0), IMGR_STATUS_OK);
        return children(root, IMGR_ENUM_CHILDREN);
    }
    template <class T>
    ImgrStatus info(ImgrHandle h, std::uint32_t infoClass, T& out)
    {
        std::uint32_t length = sizeof out;
        return getInfo(h, infoClass, 0, &out, &length);
    }

    BmicResult bmic(ImgrHandle h, std::uint8_t opcode, std::uint32_t direction, void* data, std::uint32_t length,
                    std::uint32_t detail = 0, std::uint16_t unit = 0)
    {
        ImgrBmicRecord rec;
        std::memset(&rec, 0, sizeof rec);
        std::uint8_t sense[32] = {};
        rec.bCommand = opcode;
        rec.dwDetail = detail;
        rec.wUnit = unit;
        rec.pData = data;
        rec.dwDataLength = length;
        rec.pSense = sense;
        rec.dwSenseLength = sizeof sense;
        return send(h, IMGR_CONTROL_BMIC, direction, rec, sense);
    }
    template <class T>
    BmicResult sense(ImgrHandle h, std::uint8_t opcode, T& out, std::uint32_t detail = 0, std::uint16_t unit = 0)
    {
        std::memset(&out, 0, sizeof out);
        return bmic(h, opcode, IMGR_BMIC_DIRECTION_FROM_CONTROLLER, &out, sizeof out, detail, unit);
    }
    template <class T>
    BmicResult set(ImgrHandle h, std::uint8_t opcode, T& in, std::uint32_t detail = 0, std::uint16_t unit = 0)
    {
        return bmic(h, opcode, IMGR_BMIC_DIRECTION_TO_CONTROLLER, &in, sizeof in, detail, unit);
    }

    BmicResult scsi(ImgrHandle h, std::vector<std::uint8_t> cdb, void* data, std::uint32_t length,
                    std::uint32_t direction = IMGR_SCSI_DIRECTION_IN)
    {
        ImgrScsiRecord rec;
        std::memset(&rec, 0, sizeof rec);
        std::uint8_t senseData[32] = {};
        rec.pCdb = cdb.data();
        rec.bCdbLength = static_cast<std::uint8_t>(cdb.size());
        rec.pData = data;
        rec.dwDataLength = length;
        rec.pSense = senseData;
        rec.dwSenseLength = sizeof senseData;
        return send(h, IMGR_CONTROL_SCSI, direction, rec, senseData);
    }

    PFN_InfoMgrInitStatus init = nullptr;
    PFN_InfoMgrOpenObject open = nullptr;
    PFN_InfoMgrEnumObject enumerate = nullptr;
    PFN_InfoMgrGetObjectInfo getInfo = nullptr;
    PFN_InfoMgrSetObjectInfo setInfo = nullptr;
    PFN_InfoMgrControlObject control = nullptr;

private:
    template <class Record>
    BmicResult send(ImgrHandle h, std::uint32_t code, std::uint32_t direction, Record& rec, const std::uint8_t* sense)
    {
        std::uint32_t recordLength = sizeof rec;
        BmicResult r;
        r.status = control(h, code, direction, &rec, &recordLength, 0, 0);
        r.scsiStatus = rec.bScsiStatus;
        r.commandStatus = rec.wCommandStatus;
        r.senseKey = sense[2] & 0x0F;
        r.asc = sense[12];
        return r;
    }
    template <class F>
    F bind(const char* name)
    {
        void* symbol = m_handle ? ::dlsym(m_handle, name) : nullptr;
        EXPECT_NE(symbol, nullptr) << name;
        return reinterpret_cast<F>(symbol);
    }
    void* m_handle = nullptr;
};

// Physical drive addressing of BMIC commands to a local controller.
inline std::uint32_t driveDetail(std::uint16_t index) { return std::uint32_t{index & 0xFFu} << 24; }
inline std::uint16_t driveUnit(std::uint16_t index) { return static_cast<std::uint16_t>(index & 0xFF00u); }

#endif
