/* Morvanta scale driver: the six functions the program calls, one scale at a time.
 *
 * Every function returns a signed 32-bit result; negative means failure. Texts are
 * zero-terminated Windows-1254. The wire format behind these calls is described in
 * docs/scale-protocol.md.
 */
#ifndef MORVANTA_PBUSDRV_H
#define MORVANTA_PBUSDRV_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define PBUS_EXPORT __attribute__((visibility("default")))

/* Size of a PLU record and of a cluster of four. */
#define PBUS_PLU_RECORD_SIZE 68
#define PBUS_PLU_CLUSTER_SIZE 272
/* Keys in one hotkey block. */
#define PBUS_HOTKEY_COUNT 84

/* Results. Zero is success; every failure has its own negative code. */
#define PBUS_OK 0
/* No connection is open: a transfer call before PBusConnectEx, or after a failure closed it. */
#define PBUS_E_NOT_CONNECTED (-1)
/* The caller's data cannot be sent (null pointer, IP text, table index, text offset or
 * length out of range). Nothing was sent; an open connection stays open. */
#define PBUS_E_BAD_ARGUMENT (-2)
/* The scale refused the connection: nothing listens on the port, or the scale closed
 * the connection before answering the greeting. */
#define PBUS_E_REFUSED (-3)
/* The address cannot be reached (no route, network down). */
#define PBUS_E_UNREACHABLE (-4)
/* The connection was not made, or the answer did not come, within the configured time.
 * The connection is closed. */
#define PBUS_E_TIMEOUT (-5)
/* The scale closed or reset the connection in the middle of an exchange. The connection is closed. */
#define PBUS_E_DROPPED (-6)
/* The scale answered with something that is not a valid status frame. The connection is closed. */
#define PBUS_E_PROTOCOL (-7)
/* The scale answered the request with a refusal status. The connection stays open. */
#define PBUS_E_SCALE_REFUSED (-8)
/* system.cfg exists but cannot be read or holds an invalid value. */
#define PBUS_E_CONFIG (-9)
/* The operating system refused a socket. */
#define PBUS_E_SYSTEM (-10)

/* Opens the connection to the scale at `ip`. The two paths name the driver's files,
 * relative to the current folder; "/" and "\" both separate folders. */
PBUS_EXPORT int32_t PBusConnectEx(const char* lfzkPath, const char* systemCfgPath, const char* ip);
/* Closes the connection opened for `ip`. */
PBUS_EXPORT int32_t PBusDisConnectEx(const char* ip);
/* Sends one PLU cluster: 272 bytes of four records, followed by the text area that the
 * records' two text fields point into (4-byte offsets from the start of the cluster). */
PBUS_EXPORT int32_t PBusTransferPLUCluster(const void* cluster);
/* Sends one hotkey block of 84 PLU codes; table 0 is the first table, 1 the second. */
PBUS_EXPORT int32_t PBusTransferHotkey(const int32_t* block, int32_t table);
/* Sends label message `number` with `length` bytes of text. */
PBUS_EXPORT int32_t PBusTransferMessage(int32_t number, const char* text, int32_t length);
/* Empties the PLU records and both hotkey tables of the connected scale. */
PBUS_EXPORT int32_t PBusClearPLUData(const char* ip);

#ifdef __cplusplus
}
#endif

#endif
