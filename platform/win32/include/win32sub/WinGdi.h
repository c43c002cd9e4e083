// Graphics objects. Bitmaps are device-dependent bitmaps of 32 bits per pixel: each pixel is 0x00RRGGBB,
// rows top first, without padding.
#pragma once

#include "WinTypes.h"

#define BI_RGB 0L

typedef struct tagBITMAP {
    LONG bmType;
    LONG bmWidth;
    LONG bmHeight;
    LONG bmWidthBytes;
    WORD bmPlanes;
    WORD bmBitsPixel;
    LPVOID bmBits;
} BITMAP, *PBITMAP, *LPBITMAP;

typedef struct tagBITMAPINFOHEADER {
    DWORD biSize;
    LONG biWidth;
    LONG biHeight;
    WORD biPlanes;
    WORD biBitCount;
    DWORD biCompression;
    DWORD biSizeImage;
    LONG biXPelsPerMeter;
    LONG biYPelsPerMeter;
    DWORD biClrUsed;
    DWORD biClrImportant;
} BITMAPINFOHEADER, *PBITMAPINFOHEADER, *LPBITMAPINFOHEADER;

typedef struct tagRGBQUAD {
    BYTE rgbBlue;
    BYTE rgbGreen;
    BYTE rgbRed;
    BYTE rgbReserved;
} RGBQUAD;

// For a bitmap: with `buffer` NULL the size of BITMAP; otherwise fills a BITMAP (size at least
// sizeof(BITMAP)) and returns its size. 0 on failure; a bad handle fails with ERROR_INVALID_HANDLE.
WIN32SUB_API int WINAPI GetObjectW(HANDLE object, int size, LPVOID buffer);
// Copies up to `size` bytes of the bitmap's pixels and returns the number copied; with `bits` NULL returns
// the size of all pixels.
WIN32SUB_API LONG WINAPI GetBitmapBits(HBITMAP bitmap, LONG size, LPVOID bits);
WIN32SUB_API BOOL WINAPI DeleteObject(HGDIOBJ object);
