#pragma once
// param_binding.h - the binding function of the parameters: the one place where a parameter id becomes
// addresses, the devmode byte that holds its current value and the UI_STATE field or option list that shows it.

#include "win/windows.h"

struct UI_STATE;
struct DRIVER_DEVMODE;

#pragma pack(push, 1)
// What a caller asks of a binding function. The caller zeroes it and sets what it wants; every pointer may be
// null, and an output whose pointer is null is not written.
struct PARAM_BIND_REQUEST {         // 48 bytes
    WORD            wParamId;           // 0
    WORD            wRowIndex;          // 2   row of the parameter in the UI_STATE's run-time table
    UI_STATE*       pUiState;           // 4
    DRIVER_DEVMODE* pDevmode;           // 8   read for the current value
    DRIVER_DEVMODE* pDevmodeField;      // 12  whose field address is asked for; the same devmode, or null
    WORD*           pwCurrent;          // 16  out: current value (feature-backed kinds)
    void**          ppDevmodeField;     // 20  out: address of the devmode field
    DWORD*          pcbDevmodeField;    // 24  out: its size in bytes
    WORD*           pwDevmodeType;      // 28  out: its value type code
    void**          ppUiField;          // 32  out: the UI_STATE field; for lists and data areas the area itself
    DWORD*          pcbUiField;         // 36  out: its size in bytes
    WORD*           pwUiType;           // 40  out: its value type code
    DWORD           dwFixUp;            // 44  non-zero: first point the UI_STATE's area pointer at its area
};
#pragma pack(pop)
static_assert(sizeof(PARAM_BIND_REQUEST) == 48);
static_assert(offsetof(PARAM_BIND_REQUEST, pUiState) == 4);
static_assert(offsetof(PARAM_BIND_REQUEST, pwCurrent) == 16);
static_assert(offsetof(PARAM_BIND_REQUEST, ppUiField) == 32);
static_assert(offsetof(PARAM_BIND_REQUEST, dwFixUp) == 44);

// The binding function of every bound parameter (1..243), led by the parameter's row of the binding table.
// Returns 0 for a null request, else 1; a parameter without a devmode field or UI_STATE area leaves those
// outputs untouched. The only writes besides the outputs: the UI_STATE's own area pointer (fix-up), and, for
// lpLayout, lpFrontCover and lpBackCover, the one devmode byte it reads (a retired value is rewritten).
// A fix-up needs the UI_STATE's run-time rows; a row index outside them leaves the pointer as it is.
DWORD BindUiParam(PARAM_BIND_REQUEST* pRequest);

using PARAM_BINDER = DWORD (*)(PARAM_BIND_REQUEST*);
