// The six exported calls. One connection at a time, guarded by one lock so that a stray
// call from another thread cannot tear the stream.

#include "scale/driver/PBusDrv.h"

#include "scale/driver/Connection.h"
#include "scale/driver/DriverConfig.h"
#include "scale/driver/RequestEncoder.h"
#include "scale/driver/WireFormat.h"

#include <mutex>

namespace {

std::mutex& lock()
{
    static std::mutex m;
    return m;
}

mv::pbus::Connection& connection()
{
    static mv::pbus::Connection c;
    return c;
}

int32_t send(std::uint8_t type, const std::vector<std::uint8_t>& payload)
{
    return connection().exchange(type, payload);
}

} // namespace

extern "C" {

int32_t PBusConnectEx(const char* lfzkPath, const char* systemCfgPath, const char* ip)
{
    (void)lfzkPath; // the scale's font and layout file is not needed by this driver
    std::lock_guard guard(lock());
    if (connection().isOpen())
        connection().close();
    mv::pbus::DriverConfig config;
    const int read = config.read(systemCfgPath);
    if (read != PBUS_OK)
        return read;
    return connection().open(ip, config.port, config.connectTimeoutMs, config.replyTimeoutMs);
}

int32_t PBusDisConnectEx(const char* ip)
{
    (void)ip; // only one connection is ever open: it is the one meant
    std::lock_guard guard(lock());
    return connection().close();
}

int32_t PBusTransferPLUCluster(const void* cluster)
{
    std::lock_guard guard(lock());
    if (!connection().isOpen())
        return PBUS_E_NOT_CONNECTED;
    std::vector<std::uint8_t> payload;
    const int encoded = mv::pbus::RequestEncoder::pluCluster(cluster, payload);
    return encoded != PBUS_OK ? encoded : send(mv::wire::PluCluster, payload);
}

int32_t PBusTransferHotkey(const int32_t* block, int32_t table)
{
    std::lock_guard guard(lock());
    if (!connection().isOpen())
        return PBUS_E_NOT_CONNECTED;
    std::vector<std::uint8_t> payload;
    const int encoded = mv::pbus::RequestEncoder::hotkey(block, table, payload);
    return encoded != PBUS_OK ? encoded : send(mv::wire::Hotkey, payload);
}

int32_t PBusTransferMessage(int32_t number, const char* text, int32_t length)
{
    std::lock_guard guard(lock());
    if (!connection().isOpen())
        return PBUS_E_NOT_CONNECTED;
    std::vector<std::uint8_t> payload;
    const int encoded = mv::pbus::RequestEncoder::message(number, text, length, payload);
    return encoded != PBUS_OK ? encoded : send(mv::wire::Message, payload);
}

int32_t PBusClearPLUData(const char* ip)
{
    (void)ip; // acts on the open connection, like the transfers
    std::lock_guard guard(lock());
    return send(mv::wire::ClearPlu, {});
}

} // extern "C"
