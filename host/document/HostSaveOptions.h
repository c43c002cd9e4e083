// How a document is saved: in full or as an update appended to its file; whether the user accepts writing what the host
// repaired over the file it read, and, for tests of the failure path, where the save is made to fail on purpose:
// creating the new file, writing it (after some of the content is in it), or renaming it over the target.
#pragma once

enum class HostSaveFault { None, Create, Write, Rename };

struct HostSaveOptions {
    // A file that was repaired when it was read is replaced only when the user asks for it: the repaired
    // reading may lack what the damaged file still held.
    bool replaceRepaired = false;
    // The whole document written anew, instead of an update appended to its file.
    bool full = false;
    HostSaveFault fault = HostSaveFault::None;
};
