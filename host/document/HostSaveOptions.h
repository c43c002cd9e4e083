// Where a save can be made to fail on purpose, for tests of the failure path: creating the new file,
// writing it (after part of the content is in it), or renaming it over the target.
#pragma once

enum class HostSaveFault { None, Create, Write, Rename };
