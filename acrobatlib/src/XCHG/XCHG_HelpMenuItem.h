// The plug-in's help item in the host's plug-in help menu: it opens the help file of the host's language,
// "<plug-in folder>/Help/<language>/<file>", and says so when it cannot.
#pragma once

#include <cstdint>

#include "XCHG/XCHG_AVMenuItemObj.h"

class XCHG_HelpMenuItem : public XCHG_AVMenuItemObj {
public:
    XCHG_HelpMenuItem();

    // Creates the item, named "ExtensionHelp" and the plug-in's name, and adds it at the end of the host's
    // menu "UsingExtensions". The file name is not copied.
    void Create(int32_t titleId, const char* helpFile);
    // Opens and shows the help file; "Unable to find the help file:" and its path when that fails.
    void Execute() override;

private:
    const char* m_helpFile;
};
