// The English texts of the system error codes this system sets or its clients meet, word for word as
// Windows returns them. Each ends with "\r\n", which belongs to the text in the system's message table.
#include "kernel/SystemMessageTable.h"

#include <algorithm>
#include <iterator>

namespace {

struct SystemMessage {
    DWORD code;
    const wchar_t* text;
};

// Sorted by code, for the binary search below.
constexpr SystemMessage kMessages[] = {
    {ERROR_SUCCESS, L"The operation completed successfully.\r\n"},
    {ERROR_INVALID_FUNCTION, L"Incorrect function.\r\n"},
    {ERROR_FILE_NOT_FOUND, L"The system cannot find the file specified.\r\n"},
    {ERROR_PATH_NOT_FOUND, L"The system cannot find the path specified.\r\n"},
    {ERROR_TOO_MANY_OPEN_FILES, L"The system cannot open the file.\r\n"},
    {ERROR_ACCESS_DENIED, L"Access is denied.\r\n"},
    {ERROR_INVALID_HANDLE, L"The handle is invalid.\r\n"},
    {ERROR_NOT_ENOUGH_MEMORY, L"Not enough memory resources are available to process this command.\r\n"},
    {ERROR_INVALID_DATA, L"The data is invalid.\r\n"},
    {ERROR_OUTOFMEMORY, L"Not enough memory resources are available to complete this operation.\r\n"},
    {ERROR_INVALID_DRIVE, L"The system cannot find the drive specified.\r\n"},
    {ERROR_NO_MORE_FILES, L"There are no more files.\r\n"},
    {ERROR_WRITE_PROTECT, L"The media is write protected.\r\n"},
    {ERROR_NOT_READY, L"The device is not ready.\r\n"},
    {ERROR_GEN_FAILURE, L"A device attached to the system is not functioning.\r\n"},
    {ERROR_SHARING_VIOLATION, L"The process cannot access the file because it is being used by another process.\r\n"},
    {ERROR_LOCK_VIOLATION,
     L"The process cannot access the file because another process has locked a portion of the file.\r\n"},
    {ERROR_HANDLE_EOF, L"Reached the end of the file.\r\n"},
    {ERROR_HANDLE_DISK_FULL, L"The disk is full.\r\n"},
    {ERROR_NOT_SUPPORTED, L"The request is not supported.\r\n"},
    {ERROR_BAD_NETPATH, L"The network path was not found.\r\n"},
    {ERROR_FILE_EXISTS, L"The file exists.\r\n"},
    {ERROR_INVALID_PARAMETER, L"The parameter is incorrect.\r\n"},
    {ERROR_BUFFER_OVERFLOW, L"The file name is too long.\r\n"},
    {ERROR_DISK_FULL, L"There is not enough space on the disk.\r\n"},
    {ERROR_INSUFFICIENT_BUFFER, L"The data area passed to a system call is too small.\r\n"},
    {ERROR_INVALID_NAME, L"The filename, directory name, or volume label syntax is incorrect.\r\n"},
    {ERROR_MOD_NOT_FOUND, L"The specified module could not be found.\r\n"},
    {ERROR_PROC_NOT_FOUND, L"The specified procedure could not be found.\r\n"},
    {ERROR_NEGATIVE_SEEK, L"An attempt was made to move the file pointer before the beginning of the file.\r\n"},
    {ERROR_DIR_NOT_EMPTY, L"The directory is not empty.\r\n"},
    {ERROR_BAD_PATHNAME, L"The specified path is invalid.\r\n"},
    {ERROR_ALREADY_EXISTS, L"Cannot create a file when that file already exists.\r\n"},
    {ERROR_BAD_EXE_FORMAT, L"%1 is not a valid Win32 application.\r\n"},
    {ERROR_FILENAME_EXCED_RANGE, L"The filename or extension is too long.\r\n"},
    {ERROR_DIRECTORY, L"The directory name is invalid.\r\n"},
    {ERROR_MR_MID_NOT_FOUND,
     L"The system cannot find message text for message number 0x%1 in the message file for %2.\r\n"},
    {ERROR_INVALID_FLAGS, L"Invalid flags.\r\n"},
    {ERROR_NO_UNICODE_TRANSLATION,
     L"No mapping for the Unicode character exists in the target multi-byte code page.\r\n"},
    {ERROR_INVALID_WINDOW_HANDLE, L"Invalid window handle.\r\n"},
    {ERROR_INVALID_MENU_HANDLE, L"Invalid menu handle.\r\n"},
    {ERROR_INVALID_CURSOR_HANDLE, L"Invalid cursor handle.\r\n"},
    {ERROR_TLW_WITH_WSCHILD, L"Cannot create a top-level child window.\r\n"},
    {ERROR_CANNOT_FIND_WND_CLASS, L"Cannot find window class.\r\n"},
    {ERROR_CLASS_ALREADY_EXISTS, L"Class already exists.\r\n"},
    {ERROR_CLASS_DOES_NOT_EXIST, L"Class does not exist.\r\n"},
    {ERROR_CLASS_HAS_WINDOWS, L"Class still has open windows.\r\n"},
    {ERROR_INVALID_INDEX, L"Invalid index.\r\n"},
    {ERROR_WINDOW_NOT_DIALOG, L"The window is not a valid dialog window.\r\n"},
    {ERROR_CONTROL_ID_NOT_FOUND, L"Control ID not found.\r\n"},
    {ERROR_RESOURCE_DATA_NOT_FOUND, L"The specified image file did not contain a resource section.\r\n"},
    {ERROR_RESOURCE_TYPE_NOT_FOUND, L"The specified resource type cannot be found in the image file.\r\n"},
    {ERROR_RESOURCE_NAME_NOT_FOUND, L"The specified resource name cannot be found in the image file.\r\n"},
    {ERROR_RESOURCE_LANG_NOT_FOUND, L"The specified resource language ID cannot be found in the image file.\r\n"},
};

constexpr bool ByCode(const SystemMessage& a, const SystemMessage& b) { return a.code < b.code; }

static_assert(std::is_sorted(std::begin(kMessages), std::end(kMessages), ByCode),
              "the message table must stay sorted by code");

}  // namespace

namespace win32sub {

const wchar_t* FindSystemMessage(DWORD code) {
    const SystemMessage key{code, nullptr};
    const SystemMessage* found = std::lower_bound(std::begin(kMessages), std::end(kMessages), key, ByCode);
    return found != std::end(kMessages) && found->code == code ? found->text : nullptr;
}

}  // namespace win32sub
