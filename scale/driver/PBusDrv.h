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
