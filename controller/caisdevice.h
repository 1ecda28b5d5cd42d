// CAISDevice - the channel for the controller's alternate command interface,
// which this tool never uses: ConcreteCAISDevice keeps the handle and refuses
// every request.
#ifndef CONTROLLER_CAISDEVICE_H
#define CONTROLLER_CAISDEVICE_H

#include <cstdint>

#include "controller/imgrdefs.h"

class CAISDevice {
public:
    struct CAISRequest {
        void* pData = nullptr;
        std::uint32_t dwDataLength = 0;
    };

    virtual bool sendCAISCommand(CAISRequest& request) = 0;
    virtual ~CAISDevice() = default;
};

class ConcreteCAISDevice : public CAISDevice {
public:
    explicit ConcreteCAISDevice(ImgrHandle handle) : m_handle(handle) {}

    bool sendCAISCommand(CAISRequest&) override { return false; }
    ImgrHandle handle() const { return m_handle; }
    void UpdateHandle(ImgrHandle handle) { m_handle = handle; }

private:
    ImgrHandle m_handle;
};

#endif
