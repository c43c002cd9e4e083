// The values that cross the boundary between the host and its plug-ins. Handles, atoms and callback handles
// are 32-bit values issued by the host; each kind is a type of its own so that a page cannot be passed where
// a document is expected. Records shared with the host keep their field order and sizes; a field that holds
// an address is pointer-sized, and every record's layout is pinned by static_asserts.
#pragma once

#include <csetjmp>
#include <cstddef>
#include <cstdint>

// A rectangle by its four edges and a point, in page space or in device space.
template <class Coordinate>
struct HostRect {
    Coordinate left;
    Coordinate top;
    Coordinate right;
    Coordinate bottom;

    bool operator==(const HostRect&) const = default;
};

template <class Coordinate>
struct HostPoint {
    Coordinate h;
    Coordinate v;
};

// 16.16 fixed point; all page coordinates are Fixed values in points.
using Fixed = int32_t;
constexpr Fixed kFixedOne = 0x00010000;

using FixedRect = HostRect<Fixed>;
static_assert(sizeof(FixedRect) == 16);
using FixedPoint = HostPoint<Fixed>;
static_assert(sizeof(FixedPoint) == 8);

// Device space rectangles and points are 16-bit pixels.
using HostDevRect = HostRect<int16_t>;
static_assert(sizeof(HostDevRect) == 8);
using HostDevPoint = HostPoint<int16_t>;

// A colour: a 16-bit colour-space code (1 = RGB) and four 16.16 components from 0 to 1.
struct HostColor {
    int16_t space;
    Fixed value[4];
};
static_assert(sizeof(HostColor) == 20);

using HostBool = int16_t;
using HostErrorCode = int32_t;
using HostVersion = uint32_t;  // major in the high 16 bits, minor in the low 16 bits

constexpr HostVersion MakeHostVersion(uint32_t major, uint32_t minor) { return (major << 16) | (minor & 0xFFFF); }
constexpr uint32_t HostVersionMajor(HostVersion v) { return v >> 16; }
constexpr uint32_t HostVersionMinor(HostVersion v) { return v & 0xFFFF; }

// The host's general error code.
constexpr HostErrorCode kHostGeneralError = 0x40000001;

// Distinct 32-bit handle types; 0 is "none".
enum class HostAtom : uint32_t { None = 0 };
enum class HostCallback : uint32_t { None = 0 };
enum class HostExtension : uint32_t { None = 0 };
enum class HostDoc : uint32_t { None = 0 };
enum class HostPage : uint32_t { None = 0 };
enum class HostCosDoc : uint32_t { None = 0 };
enum class HostDocView : uint32_t { None = 0 };
enum class HostPageView : uint32_t { None = 0 };
enum class HostFileSys : uint32_t { None = 0 };
enum class HostPath : uint32_t { None = 0 };
enum class HostFile : uint32_t { None = 0 };
enum class HostMenuBar : uint32_t { None = 0 };
enum class HostMenu : uint32_t { None = 0 };
enum class HostMenuItem : uint32_t { None = 0 };
enum class HostToolbar : uint32_t { None = 0 };
enum class HostToolButton : uint32_t { None = 0 };
enum class HostWindow : uint32_t { None = 0 };
enum class HostMonitor : uint32_t { None = 0 };
// A cursor is the platform's cursor handle, so a plug-in can set a cursor it loaded from its resources.
enum class HostCursor : uintptr_t { None = 0 };

// A Cos object travels as two 32-bit words: which object, and which document's object table it belongs to.
struct CosObj {
    uint32_t id;
    uint32_t doc;

    bool operator==(const CosObj&) const = default;
};
static_assert(sizeof(CosObj) == 8);

enum CosType : int32_t {
    CosNull = 0,
    CosInteger = 1,
    CosFixed = 2,
    CosBoolean = 3,
    CosName = 4,
    CosString = 5,
    CosDict = 6,
    CosArray = 7,
    CosStream = 8,
};

// Any function handed to the host; the host calls it back with the signature its use implies.
using HostProc = void (*)();

// A function table: entry n is the n-th pointer.
using HostTable = const HostProc*;

// A host exception frame. The plug-in owns the record and its jump buffer; the host only links frames and,
// on a raise, calls the frame's restore function, which returns into the frame's setjmp.
struct HostExceptionFrame {
    HostExceptionFrame* previous;  // kept by the host
    std::jmp_buf environment;
};
using HostRestoreProc = void (*)(HostExceptionFrame* frame);

// The tool record a plug-in registers: the host identifies the tool by the record's address, and hands the
// record back to every tool callback.
struct HostToolRecord {
    uint32_t size;  // sizeof(HostToolRecord)
    HostCallback activate;
    HostCallback deactivate;
    HostCallback doClick;
    HostCallback adjustCursor;
    HostCallback doKeyDown;
    HostCallback getType;
    HostCallback isPersistent;
    HostCallback unused;
    HostCallback computeEnabled;
    HostToolRecord* self;  // client data of the compute-enabled callback
    uint32_t reserved[3];
};
static_assert(offsetof(HostToolRecord, computeEnabled) == 36);
static_assert(offsetof(HostToolRecord, self) == 40);

// What the host calls through a tool record's callbacks.
using HostToolActivateProc = void (*)(HostToolRecord* tool, HostBool persistent);
using HostToolDeactivateProc = void (*)(HostToolRecord* tool);
using HostToolClickProc = HostBool (*)(HostToolRecord* tool, HostPageView view, int16_t x, int16_t y, int16_t flags,
                                       int16_t clickCount);
using HostToolAdjustCursorProc = HostBool (*)(HostToolRecord* tool, HostPageView view, int16_t x, int16_t y);
using HostToolKeyDownProc = HostBool (*)(HostToolRecord* tool, uint16_t key, int16_t flags);
using HostToolGetTypeProc = HostAtom (*)(HostToolRecord* tool);
using HostToolIsPersistentProc = HostBool (*)(HostToolRecord* tool);
using HostToolComputeEnabledProc = HostBool (*)(void* clientData);

// Handed to the host with a new host window: one callback per window event.
struct HostWindowHandlerRecord {
    uint32_t size;  // sizeof(HostWindowHandlerRecord)
    HostCallback mouseDown;
    HostCallback willClose;
    HostCallback didClose;
    HostCallback didActivate;
    HostCallback didBecomeKey;
    HostCallback keyDown;
    HostCallback willResignKey;
    HostCallback willDeactivate;
    HostCallback draw;
    HostCallback willBeResized;
    HostCallback performEditOp;
    HostCallback canPerformEditOp;
    HostCallback adjustCursor;
    HostCallback didResize;
    HostCallback destroyPlatformThing;
};
static_assert(sizeof(HostWindowHandlerRecord) == 64);

// The platform event behind a host window's mouse-down or key-down callback: the message as the window
// manager delivered it.
struct HostWindowEvent {
    uint32_t message;
    uintptr_t wParam;
    intptr_t lParam;
};

// What the host calls through a window handler record. Every callback gets the host window first;
// rectangles are device pixels of the platform window (screen rectangles for resizing and moving, the
// client area's update rectangle for drawing).
using HostWindowMouseDownProc = void (*)(HostWindow window, int16_t x, int16_t y, const HostWindowEvent* event);
using HostWindowWillCloseProc = HostBool (*)(HostWindow window, HostBool quitting);
using HostWindowNoticeProc =
    void (*)(HostWindow window);  // didClose, didActivate, didBecomeKey, willResignKey, willDeactivate
using HostWindowKeyDownProc = void (*)(HostWindow window, uint32_t key, const HostWindowEvent* event);
using HostWindowDrawProc = void (*)(HostWindow window, const HostDevRect* updateRect);
using HostWindowWillBeResizedProc = HostBool (*)(HostWindow window, HostDevRect* newRect);
using HostWindowPerformEditOpProc = void (*)(HostWindow window, HostAtom operation);
using HostWindowCanPerformEditOpProc = HostBool (*)(HostWindow window, HostAtom operation);
using HostWindowAdjustCursorProc = void (*)(HostWindow window, int16_t x, int16_t y);
using HostWindowDidResizeProc = void (*)(HostWindow window, const HostDevRect* newRect);
using HostWindowDestroyPlatformThingProc = void (*)(HostWindow window, void* platformThing);

// What the host calls for page views. A draw procedure (registered with AcroView 135) is called with the page
// view each time the host redraws it, after the host's own drawing, so that what it draws lies on top. An
// enumeration procedure (AcroView 14) is called with the page view of each document view, front first, and
// answers true to go on, false to stop.
using HostPageViewDrawProc = void (*)(HostPageView view, void* clientData);
using HostEnumPageViewsProc = HostBool (*)(HostPageView view, void* clientData);

// A progress monitor the host lends for long operations: its operations and the client data they take.
struct HostProgressMonitor {
    uint32_t size;
    void (*beginOperation)(void* clientData);
    void (*endOperation)(void* clientData);
    void (*setDuration)(int32_t duration, void* clientData);
    void (*setCurrentValue)(int32_t value, void* clientData);
    void* clientData;
};

// Where a toolbar docks: the record's size (40), then nine 32-bit words whose meaning is the host's.
struct HostDockingRecord {
    uint32_t size;
    int32_t word[9];
};
static_assert(sizeof(HostDockingRecord) == 40);
static_assert(offsetof(HostDockingRecord, word) == 4);
