#include "EXGM/EXGM_Utils.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <initializer_list>
#include <set>
#include <utility>

#include "GLIB/GLIB_Log.h"
#include "GLIB/GLIB_StringUtils.h"
#include "PDFL/PDFL_CorCalls5.h"
#include "PDFL/PDFL_CosCalls5.h"
#include "PDFL/PDFL_PDCalls5.h"
#include "XCHG/XCHG_AVCalls5.h"

namespace {

struct Unit {
    float pointsToUnit;
    float unitToPoints;
    float tolerance;
    int decimals;
    int32_t nameId;
};

constexpr float Bits(uint32_t pattern) { return std::bit_cast<float>(pattern); }

// Single-precision constants, given by their bit patterns so that every build rounds the same way.
const Unit kUnits[kUnitKindCount] = {
    // points: 1 and 1, within 0.005; "Points"
    {Bits(0x3F800000u), Bits(0x3F800000u), Bits(0x3BA3D70Au), 2, 1018},
    // inches: 1/72 and 72, within 0.0005; "Inches"
    {Bits(0x3C638E39u), Bits(0x42900000u), Bits(0x3A03126Fu), 3, 1019},
    // centimetres: 2.54/72 and 72/2.54, within 0.0005; "Centimeters"
    {Bits(0x3D107F6Eu), Bits(0x41E2C58Bu), Bits(0x3A03126Fu), 3, 1020},
    // millimetres: 25.4/72 and 72/25.4, within 0.005; "Millimeters"
    {Bits(0x3EB49F4Au), Bits(0x40356AD6u), Bits(0x3BA3D70Au), 2, 1021},
};

// The names of the boxes in the user interface, in BoxKind order from "Media Box".
constexpr int32_t kFirstBoxNameId = 1013;

const char* const kBoxKeys[kBoxKindCount] = {"MediaBox", "CropBox", "TrimBox", "ArtBox", "BleedBox"};

constexpr Fixed kThreePoints = 0x30000;

HostAtom Atom(const char* name) { return Core_AtomFromName(name); }

bool IsDictionary(CosObj object) { return Cos_ObjectType(object) == CosDict; }

void LogMalformed(const char* text, int line) { GLIB_Log(GLIB_LOG_WARNING, text, __FILE__, line); }

// AFTER grew beyond BEFORE on some side: what the page shows has changed.
bool GrewBeyond(const FixedRect& after, const FixedRect& before) {
    return before.left > after.left || before.right < after.right || before.bottom > after.bottom ||
           before.top < after.top;
}

CosObj PageDict(HostPage page) { return Model_PageDict(page); }

// Both words identify an object; a loop in a damaged page tree is noticed by meeting one twice.
using ObjectKey = std::pair<uint32_t, uint32_t>;

// A box the page holds itself under one of `keys` (never inherited), or else the CropBox in its place.
bool OwnRectOrCropBox(HostPage page, std::initializer_list<const char*> keys, FixedRect* out) {
    const CosObj dict = PageDict(page);
    for (const char* key : keys) {
        if (EXGM_GetRect(dict, Atom(key), out)) return true;
    }
    EXGM_GetCropBox(page, out);
    return false;
}

// One axis of a crop box (`low` to `high`) kept at least 3 points long: at the media box's high end when the
// box given began beyond it (`givenLow`), else at its low end.
void KeepThreePoints(Fixed& low, Fixed& high, Fixed mediaLow, Fixed mediaHigh, Fixed givenLow) {
    if (high - low >= kThreePoints) return;
    if (mediaHigh < givenLow) {
        low = mediaHigh - kThreePoints;
        high = mediaHigh;
    } else {
        low = mediaLow;
        high = mediaLow + kThreePoints;
    }
}

// How each box is read and written, in BoxKind order; a value that is no box stands for the BleedBox.
struct BoxAccess {
    bool (*get)(HostPage page, FixedRect* out);
    void (*set)(HostPage page, const FixedRect& rect);
};
const BoxAccess kBoxAccess[kBoxKindCount] = {
    {EXGM_GetMediaBox, EXGM_SetMediaBox}, {EXGM_GetCropBox, EXGM_SetCropBox},   {EXGM_GetTrimBox, EXGM_SetTrimBox},
    {EXGM_GetArtBox, EXGM_SetArtBox},     {EXGM_GetBleedBox, EXGM_SetBleedBox},
};
const BoxAccess& AccessOf(BoxKind kind) { return kBoxAccess[kind >= 0 && kind < kBoxKindCount ? kind : kBleedBox]; }

Fixed ToUnit(Fixed value, float pointsToUnit) {
    return static_cast<Fixed>(std::trunc(value / 65536.0 * pointsToUnit * 65536.0 + 0.5));
}

}  // namespace

const char* EXGM_BoxKey(BoxKind kind) { return kBoxKeys[kind]; }
int32_t EXGM_BoxNameId(BoxKind kind) { return kFirstBoxNameId + kind; }
int32_t EXGM_UnitNameId(UnitKind kind) { return kUnits[kind].nameId; }
int EXGM_UnitDecimals(UnitKind kind) { return kUnits[kind].decimals; }

bool EXGM_NumberToFixed(CosObj number, Fixed* out) {
    switch (Cos_ObjectType(number)) {
        case CosInteger:
            *out = static_cast<Fixed>(static_cast<uint32_t>(Cos_IntegerValue(number)) << 16);
            return true;
        case CosFixed:
            *out = Cos_FixedValue(number);
            return true;
        default:
            return false;
    }
}

bool EXGM_GetRect(CosObj dict, HostAtom key, FixedRect* out) {
    *out = FixedRect{};
    if (!IsDictionary(dict)) {
        LogMalformed("EXGM_GetRect: cosDict isn't a dictionary", __LINE__);
        return false;
    }
    if (!Cos_DictKnown(dict, key)) return false;
    const CosObj array = Cos_DictGet(dict, key);
    if (Cos_ObjectType(array) != CosArray || Cos_ArrayLength(array) != 4) {
        char text[256];
        GLIB_Format(text, sizeof text, "EXGM_GetRect: Key %s isn't an array of length 4", Core_NameOfAtom(key));
        LogMalformed(text, __LINE__);
        return false;
    }
    Fixed values[4];
    for (int32_t index = 0; index < 4; ++index) {
        if (!EXGM_NumberToFixed(Cos_ArrayGet(array, index), &values[index])) {
            char text[256];
            GLIB_Format(text, sizeof text, "EXGM_GetRect: %s[ %d ] isn't a numeric type", Core_NameOfAtom(key),
                        static_cast<int>(index));
            LogMalformed(text, __LINE__);
            return false;
        }
    }
    out->left = values[0];
    out->bottom = values[1];
    out->right = values[2];
    out->top = values[3];
    return true;
}

void EXGM_SetRect(CosObj dict, HostAtom key, const FixedRect& rect) {
    if (!IsDictionary(dict)) {
        LogMalformed("EXGM_SetRect: cosDict isn't a dictionary", __LINE__);
        return;
    }
    const HostCosDoc doc = Cos_ObjectDoc(dict);
    const CosObj array = Cos_NewArray(doc, false, 4);
    const Fixed values[4] = {rect.left, rect.bottom, rect.right, rect.top};
    for (int32_t index = 0; index < 4; ++index) Cos_ArrayPut(array, index, Cos_NewFixed(doc, false, values[index]));
    Cos_DictPut(dict, key, array);
}

bool EXGM_GetInheritedRect(CosObj dict, HostAtom key, FixedRect* out) {
    const HostAtom parent = Atom("Parent");
    std::set<ObjectKey> visited;
    for (CosObj current = dict; IsDictionary(current);) {
        if (!visited.insert({current.id, current.doc}).second) break;  // a Parent loop
        if (EXGM_GetRect(current, key, out)) return true;
        if (!Cos_DictKnown(current, parent)) break;
        current = Cos_DictGet(current, parent);
    }
    *out = FixedRect{};
    return false;
}

void EXGM_IntersectRect(const FixedRect& a, const FixedRect& b, FixedRect* out) {
    FixedRect result;
    result.left = std::max(a.left, b.left);
    result.bottom = std::max(a.bottom, b.bottom);
    result.right = std::min(a.right, b.right);
    result.top = std::min(a.top, b.top);
    *out = result;
}

bool EXGM_GetMediaBox(HostPage page, FixedRect* out) {
    if (EXGM_GetInheritedRect(PageDict(page), Atom("MediaBox"), out)) return true;
    Model_GetMediaBox(page, out);
    return false;
}

bool EXGM_GetCropBox(HostPage page, FixedRect* out) {
    if (EXGM_GetInheritedRect(PageDict(page), Atom("CropBox"), out)) return true;
    EXGM_GetMediaBox(page, out);
    return false;
}

bool EXGM_GetTrimBox(HostPage page, FixedRect* out) { return OwnRectOrCropBox(page, {"TrimBox", "ORBA_TrimBox"}, out); }

bool EXGM_GetArtBox(HostPage page, FixedRect* out) { return OwnRectOrCropBox(page, {"ArtBox"}, out); }

bool EXGM_GetBleedBox(HostPage page, FixedRect* out) { return OwnRectOrCropBox(page, {"BleedBox"}, out); }

bool EXGM_GetBox(HostPage page, BoxKind kind, FixedRect* out) { return AccessOf(kind).get(page, out); }

void EXGM_SetBox(HostPage page, BoxKind kind, const FixedRect& rect) { AccessOf(kind).set(page, rect); }

void EXGM_SetTrimBox(HostPage page, const FixedRect& rect) {
    const CosObj dict = PageDict(page);
    EXGM_SetRect(dict, Atom("TrimBox"), rect);
    EXGM_SetRect(dict, Atom("ORBA_TrimBox"), rect);
}

void EXGM_SetArtBox(HostPage page, const FixedRect& rect) { EXGM_SetRect(PageDict(page), Atom("ArtBox"), rect); }

void EXGM_SetBleedBox(HostPage page, const FixedRect& rect) { EXGM_SetRect(PageDict(page), Atom("BleedBox"), rect); }

void EXGM_SetCropBox(HostPage page, const FixedRect& rect) {
    FixedRect media, crop, before, after;
    EXGM_GetMediaBox(page, &media);
    EXGM_GetCropBox(page, &crop);
    EXGM_IntersectRect(crop, media, &before);
    EXGM_IntersectRect(rect, media, &after);
    const CosObj dict = PageDict(page);
    if (after == before) {
        EXGM_SetRect(dict, Atom("CropBox"), rect);
        return;
    }
    // The host's crop box keeps at least 3 points each way, at the side of the media box the box left.
    KeepThreePoints(after.left, after.right, media.left, media.right, rect.left);
    KeepThreePoints(after.bottom, after.top, media.bottom, media.top, rect.bottom);
    Model_SetCropBox(page, after);
    EXGM_SetRect(dict, Atom("CropBox"), rect);  // the key keeps the box as given, unclipped
    if (GrewBeyond(after, before)) Model_NotePageContentsChanged(page);
}

void EXGM_SetMediaBox(HostPage page, const FixedRect& rect) {
    FixedRect media, crop, before, after;
    EXGM_GetMediaBox(page, &media);
    const bool cropFound = EXGM_GetCropBox(page, &crop);
    const FixedRect& reference = cropFound ? crop : rect;
    EXGM_IntersectRect(media, crop, &before);
    EXGM_IntersectRect(rect, reference, &after);
    if (after == before) {
        EXGM_SetRect(PageDict(page), Atom("MediaBox"), rect);
        return;
    }
    Model_SetMediaBox(page, rect);
    if (GrewBeyond(after, before)) Model_NotePageContentsChanged(page);
}

void EXGM_PointsToUnits(FixedRect& rect, UnitKind unit) {
    const float factor = kUnits[unit].pointsToUnit;
    rect.left = ToUnit(rect.left, factor);
    rect.right = ToUnit(rect.right, factor);
    rect.top = ToUnit(rect.top, factor);
    rect.bottom = ToUnit(rect.bottom, factor);
}

Fixed EXGM_KeepOrConvert(Fixed valueInUnit, Fixed previousInPoints, float unitToPoints, float tolerance) {
    const double a = valueInUnit / 65536.0;
    const double d = previousInPoints / 65536.0 / unitToPoints - a;
    if (-tolerance < d && d < tolerance) return previousInPoints;
    // Beyond the range the nearest value; callers refuse such numbers first (EXGM_FitsInPoints).
    return static_cast<Fixed>(
        std::clamp(std::trunc(a * unitToPoints * 65536.0 + 0.5), double{INT32_MIN}, double{INT32_MAX}));
}

bool EXGM_FitsInPoints(Fixed valueInUnit, UnitKind unit) {
    const double points = std::trunc(valueInUnit / 65536.0 * kUnits[unit].unitToPoints * 65536.0 + 0.5);
    return points >= INT32_MIN && points <= INT32_MAX;
}

void EXGM_UnitsToPoints(FixedRect& rect, UnitKind unit, const FixedRect& previousInPoints) {
    const Unit& u = kUnits[unit];
    rect.left = EXGM_KeepOrConvert(rect.left, previousInPoints.left, u.unitToPoints, u.tolerance);
    rect.right = EXGM_KeepOrConvert(rect.right, previousInPoints.right, u.unitToPoints, u.tolerance);
    rect.bottom = EXGM_KeepOrConvert(rect.bottom, previousInPoints.bottom, u.unitToPoints, u.tolerance);
    rect.top = EXGM_KeepOrConvert(rect.top, previousInPoints.top, u.unitToPoints, u.tolerance);
}

bool EXGM_IsEditableView(HostPageView view) {
    constexpr int32_t kDocumentWindow = 1;
    return View_PageViewKind(view) == kDocumentWindow;
}

std::string EXGM_MakeDateString() {
    tzset();
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    // Minutes west of UTC as the clock reads now, daylight saving included, so the stamp names the true
    // offset of the local time it shows.
    int tz = static_cast<int>(-local.tm_gmtoff / 60);
    if (tz > 720) tz -= 1440;
    int offset = -tz;
    int hh = offset / 60;
    int mm = offset % 60;
    char text[64];
    if (hh == 0 && mm == 0) {
        std::snprintf(text, sizeof text, "D:%04d%02d%02d%02d%02d%02dZ", local.tm_year + 1900, local.tm_mon + 1,
                      local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
    } else {
        char sign = '+';
        if (hh < 0 || mm < 0) {
            sign = '-';
            hh = -hh;
            mm = -mm;
        }
        std::snprintf(text, sizeof text, "D:%04d%02d%02d%02d%02d%02d%c%02d'%02d'", local.tm_year + 1900,
                      local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec, sign, hh, mm);
    }
    return text;
}

void EXGM_StampModDate(HostDoc doc) {
    const HostCosDoc cosDoc = Model_CosDocOfDoc(doc);
    const CosObj root = Cos_DocRoot(cosDoc);
    const HostAtom toolsKey = Atom("ORBA_Tools");
    CosObj tools = Cos_DictGet(root, toolsKey);
    if (!IsDictionary(tools)) {
        tools = Cos_NewDict(cosDoc, true, 1);
        Cos_DictPut(root, toolsKey, tools);
    }
    const HostAtom geometryKey = Atom("Geometry");
    CosObj geometry = Cos_DictGet(tools, geometryKey);
    if (!IsDictionary(geometry)) {
        geometry = Cos_NewDict(cosDoc, false, 1);
        Cos_DictPut(tools, geometryKey, geometry);
    }
    const std::string date = EXGM_MakeDateString();
    Cos_DictPut(geometry, Atom("ModDate"),
                Cos_NewString(cosDoc, false, date.c_str(), static_cast<int32_t>(date.size())));
}
