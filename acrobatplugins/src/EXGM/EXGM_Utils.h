// Page box access: the one place where the editor reads and writes page boxes in the document's object
// model, with the PDF's inheritance and default rules, change detection for MediaBox and CropBox, unit
// conversion that keeps untouched values exact, and the stamp of the last geometry change.
#pragma once

#include <cstdint>
#include <string>

#include "HostTypes.h"

enum BoxKind : int32_t { kMediaBox = 0, kCropBox = 1, kTrimBox = 2, kArtBox = 3, kBleedBox = 4, kBoxKindCount = 5 };

enum UnitKind : int32_t { kPoints = 0, kInches = 1, kCentimeters = 2, kMillimeters = 3, kUnitKindCount = 4 };

// The page dictionary key of a box ("MediaBox" ...).
const char* EXGM_BoxKey(BoxKind kind);
// The string id of a box's and a unit's name in the user interface.
int32_t EXGM_BoxNameId(BoxKind kind);
int32_t EXGM_UnitNameId(UnitKind kind);
// How many decimals the dialogs show for a unit.
int EXGM_UnitDecimals(UnitKind kind);

bool EXGM_NumberToFixed(CosObj number, Fixed* out);
bool EXGM_GetRect(CosObj dict, HostAtom key, FixedRect* out);
void EXGM_SetRect(CosObj dict, HostAtom key, const FixedRect& rect);
bool EXGM_GetInheritedRect(CosObj dict, HostAtom key, FixedRect* out);
void EXGM_IntersectRect(const FixedRect& a, const FixedRect& b, FixedRect* out);

// Each fills `out` always; true when the box itself was found, false when `out` holds the fallback.
bool EXGM_GetMediaBox(HostPage page, FixedRect* out);
bool EXGM_GetCropBox(HostPage page, FixedRect* out);
bool EXGM_GetTrimBox(HostPage page, FixedRect* out);
bool EXGM_GetArtBox(HostPage page, FixedRect* out);
bool EXGM_GetBleedBox(HostPage page, FixedRect* out);
bool EXGM_GetBox(HostPage page, BoxKind kind, FixedRect* out);

void EXGM_SetMediaBox(HostPage page, const FixedRect& rect);
void EXGM_SetCropBox(HostPage page, const FixedRect& rect);
void EXGM_SetTrimBox(HostPage page, const FixedRect& rect);
void EXGM_SetArtBox(HostPage page, const FixedRect& rect);
void EXGM_SetBleedBox(HostPage page, const FixedRect& rect);
void EXGM_SetBox(HostPage page, BoxKind kind, const FixedRect& rect);

void EXGM_PointsToUnits(FixedRect& rect, UnitKind unit);
void EXGM_UnitsToPoints(FixedRect& rect, UnitKind unit, const FixedRect& previousInPoints);
// A number in the unit back to points; the previous value in points stays to the last bit when the number
// is within the tolerance of it.
Fixed EXGM_KeepOrConvert(Fixed valueInUnit, Fixed previousInPoints, float unitToPoints, float tolerance);
// Whether a number in the unit can be held in points (500 inches cannot); one that cannot is refused, never
// wrapped.
bool EXGM_FitsInPoints(Fixed valueInUnit, UnitKind unit);

// Whether the page view shows PDF pages that can be edited: an ordinary document window (view kind 1).
bool EXGM_IsEditableView(HostPageView view);

std::string EXGM_MakeDateString();
void EXGM_StampModDate(HostDoc doc);
