/* Zavomax terminal access library.
 *
 * Four C functions, exported undecorated with the C calling convention, that
 * reach the shared-data fields and keypads of up to six terminals over TCP.
 * Every call is made from one thread at a time (the panel's UI thread) and
 * returns promptly: no call blocks its caller for long (see each function).
 */
#ifndef ZAVOAPI_H
#define ZAVOAPI_H

#include <stdint.h>

#ifdef _WIN32
#ifdef ZAVOAPI_BUILD
#define ZAVOAPI_EXPORT __declspec(dllexport)
#else
#define ZAVOAPI_EXPORT __declspec(dllimport)
#endif
#define ZAVOAPI_CALL __cdecl
#else
#define ZAVOAPI_EXPORT __attribute__((visibility("default")))
#define ZAVOAPI_CALL
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Status codes. 0 is success; every failure is a distinct negative value.
 *
 *  -1 NOT_LINKED        no successful register yet, or after close
 *  -2 BAD_NAME          field name not of the form /z<n>/<field>
 *  -3 BAD_TERMINAL      terminal number outside 1..count
 *  -4 NOT_CONNECTED     terminal not connected (down, or reconnecting)
 *  -5 TIMEOUT           terminal did not answer in time, or went silent;
 *                       its connection is renewed
 *  -6 UNKNOWN_FIELD     the terminal has no such field
 *  -7 PROTOCOL          the terminal sent something malformed; its
 *                       connection is renewed
 *  -8 BAD_ADDRESS_LIST  register: list malformed or count mismatch
 *  -9 NO_TERMINAL       register: no terminal could be reached
 * -10 BAD_ARGUMENT      null name or buffer, or a length below 1
 * -11 SYSTEM            the library could not get a resource (thread, socket)
 */
#define ZAV_OK 0
#define ZAV_ERR_NOT_LINKED (-1)
#define ZAV_ERR_BAD_NAME (-2)
#define ZAV_ERR_BAD_TERMINAL (-3)
#define ZAV_ERR_NOT_CONNECTED (-4)
#define ZAV_ERR_TIMEOUT (-5)
#define ZAV_ERR_UNKNOWN_FIELD (-6)
#define ZAV_ERR_PROTOCOL (-7)
#define ZAV_ERR_BAD_ADDRESS_LIST (-8)
#define ZAV_ERR_NO_TERMINAL (-9)
#define ZAV_ERR_BAD_ARGUMENT (-10)
#define ZAV_ERR_SYSTEM (-11)

/* Opens the link to all terminals (TCP port 1749), closing any link open
 * before. `addresses` is the stored address list text unchanged (zero-padded
 * dotted IPv4 addresses joined by commas, at most 16) and `count` its number
 * of entries. Waits at most 1.5 s in all; returns 0 when at least one
 * terminal connected, and then keeps reconnecting, in the background, every
 * terminal that is down or drops later. When none connected the link is not
 * kept (ZAV_ERR_NO_TERMINAL). `mode` is reserved (the panel passes 1). */
ZAVOAPI_EXPORT int16_t ZAVOAPI_CALL ZavRegisterProcessC(int32_t mode, const char* addresses,
                                                        int32_t count);

/* Reads one field, `name` = "/z" + terminal number + field (e.g. "/z2/bd001").
 * Writes at most `length` bytes into `buffer` and only on success: text
 * values are cut to fit and always end with a NUL within those bytes; the
 * discrete words /bd030 and /bd031 are written raw (zero-padded to `length`).
 * `status` may be null; when not, it receives the same code as the result.
 * A terminal that is not connected answers at once; no read blocks longer
 * than 250 ms. */
ZAVOAPI_EXPORT int16_t ZAVOAPI_CALL ZavReadC(const char* name, int32_t length, char* buffer,
                                             int16_t* status);

/* Queues one keystroke (kind 1 replica key, 2 typed character) for the
 * terminal; returns at once. Keystrokes to a terminal that is not connected
 * are dropped. Returns 0 when queued, a negative status otherwise. */
ZAVOAPI_EXPORT int32_t ZAVOAPI_CALL ZavSendKeystrokeC(int32_t terminal, int32_t kind, int32_t code);

/* Closes the link to all terminals. Idempotent. Returns 0. */
ZAVOAPI_EXPORT int32_t ZAVOAPI_CALL ZavCloseProcessC(void);

#ifdef __cplusplus
}
#endif

#endif /* ZAVOAPI_H */
