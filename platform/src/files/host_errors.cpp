// host_errors.cpp - errno values of the host's file calls and the Windows errors they stand for.
#include "files/host_errors.h"
#include "win/winerror.h"

#include <cerrno>
#include <iterator>

namespace platform {
namespace {

struct ERRNO_ROW {
    int   error;        // 0 ends the table
    DWORD dwWinError;
};

constexpr ERRNO_ROW kErrnoRows[] = {
    { ENOENT,       ERROR_FILE_NOT_FOUND      },
    { ENOTDIR,      ERROR_PATH_NOT_FOUND      },
    { EACCES,       ERROR_ACCESS_DENIED       },
    { EPERM,        ERROR_ACCESS_DENIED       },
    { EROFS,        ERROR_ACCESS_DENIED       },
    { EISDIR,       ERROR_ACCESS_DENIED       },
    { EEXIST,       ERROR_FILE_EXISTS         },
    { ENOTEMPTY,    ERROR_DIR_NOT_EMPTY       },
    { ENOSPC,       ERROR_DISK_FULL           },
    { EDQUOT,       ERROR_DISK_FULL           },
    { EFBIG,        ERROR_DISK_FULL           },
    { EMFILE,       ERROR_TOO_MANY_OPEN_FILES },
    { ENFILE,       ERROR_TOO_MANY_OPEN_FILES },
    { ENAMETOOLONG, ERROR_INVALID_NAME        },
    { EBADF,        ERROR_INVALID_HANDLE      },
    { EINVAL,       ERROR_INVALID_PARAMETER   },
    { ENOMEM,       ERROR_NOT_ENOUGH_MEMORY   },
    { 0,            ERROR_GEN_FAILURE         },   // terminator: what every other errno becomes
};
static_assert(kErrnoRows[std::size(kErrnoRows) - 1].error == 0, "terminator must be last");

} // namespace

DWORD ErrorFromErrno(int error)
{
    const ERRNO_ROW* row = kErrnoRows;
    while (row->error != 0 && row->error != error)
        ++row;
    return row->dwWinError;
}

} // namespace platform
