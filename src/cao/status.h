#pragma once
// Status codes that travel with an engine failure; they follow the HRESULT convention of automation servers.
#include <QtGlobal>

namespace cao::status {
inline constexpr quint32 InvalidArgument = 0x80070057;    // E_INVALIDARG
inline constexpr quint32 Unspecified = 0x80004005;        // E_FAIL
inline constexpr quint32 NotImplemented = 0x80004001;     // E_NOTIMPL
inline constexpr quint32 ParamNotFound = 0x80020004;      // DISP_E_PARAMNOTFOUND: the missing-argument marker
inline constexpr quint32 TypeMismatch = 0x80020005;       // DISP_E_TYPEMISMATCH
inline constexpr quint32 BadIndex = 0x8002000B;           // DISP_E_BADINDEX
inline constexpr quint32 UnknownProvider = 0x800401F3;    // CO_E_CLASSSTRING
inline constexpr quint32 Disconnected = 0x80010108;       // RPC_E_DISCONNECTED: the controller was removed
inline constexpr quint32 Timeout = 0x800705B4;            // HRESULT_FROM_WIN32(ERROR_TIMEOUT)
inline constexpr quint32 AccessDenied = 0x80070005;       // E_ACCESSDENIED
inline constexpr quint32 UnknownName = 0x80020006;        // DISP_E_UNKNOWNNAME
inline constexpr quint32 Overflow = 0x8002000A;           // DISP_E_OVERFLOW
} // namespace cao::status
