// The plug-in's file, folder and version as the host and the platform see them, and the edge hit test of
// the rectangle tools.
#pragma once

#include <cstdint>

#include "HostTypes.h"

// The host's major version (AcroView 7).
int XCHG_HostMajorVersion();
// The plug-in's file name as the host knows it, without an ".api" extension (any case).
char* GetPluginFileName(char* buffer, int32_t size);
// The folder of the plug-in in the host's path form ("/Z/home/plugins/"), with the trailing separator.
char* GetPluginDirectory(char* buffer, int32_t size);
// The product version from the plug-in file's version resource, or "(unknown)".
char* GetPluginVersionString(char* buffer, int32_t size);
// A host path text ("/Z/home/a.pdf", "/server/share/a.pdf") in platform form ("Z:\home\a.pdf",
// "\\server\share\a.pdf").
char* XCHG_HostPathToPlatform(const char* hostPath, char* buffer, int32_t size);

enum XCHG_HitBits : int { kHitTop = 1, kHitLeft = 2, kHitBottom = 4, kHitRight = 8, kHitInside = 15 };
// Which edges of the device rectangle the point is on (3 pixels either side), or kHitInside.
int HitTestRect(int16_t x, int16_t y, const HostDevRect& rect);
