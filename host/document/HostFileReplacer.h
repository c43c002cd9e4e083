// Writing a file so that a failure never damages what was there: the content goes to a new file in the
// target's folder, which is flushed to the disk and only then renamed over the target. Until the rename
// the target is untouched; after a failure the new file is removed again. A read-only target is not
// replaced.
#pragma once

#include <functional>
#include <string>

#include <qpdf/Pipeline.hh>

#include "host/document/HostSaveOptions.h"

class HostFileReplacer {
public:
    // `target` may name a symbolic link: the file it leads to is replaced and the link kept. The new file
    // gets the target's permission bits, or the usual ones for a new file.
    explicit HostFileReplacer(std::string target, HostSaveFault fault = HostSaveFault::None);

    // Runs `write` with a pipeline into the new file and puts the result in place; with `keepFrom`, the new
    // file starts with that file's bytes and `write` appends to them. Fails with HostError, with the step and
    // the system's reason in its text; the target is then as it was.
    void Replace(const std::function<void(Pipeline& out)>& write, const std::string& keepFrom = "");

    // The file that was (or would be) replaced: `target` with links followed.
    const std::string& Target() const { return m_target; }

private:
    void RefuseReadOnly() const;

    std::string m_target;
    HostSaveFault m_fault;
};
