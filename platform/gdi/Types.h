#pragma once

#include <cstdint>

// The records, handles and numbers of the graphics calls, with the values and field orders the
// bitmap class was written against, so its code reads the same on top of our layer.
namespace gdi {

// Every object is a 32-bit handle from one table (HandleTable.h); 0 is never a valid handle.
using HGDIOBJ = uint32_t;
using HDC = uint32_t;
using HBITMAP = uint32_t;
using HBRUSH = uint32_t;
using HPEN = uint32_t;
using HFONT = uint32_t;
using HWND = uint32_t;
using HPALETTE = uint32_t;
using HICON = uint32_t;
using HMENU = uint32_t;

// A colour with red in the low byte: red + green * 256 + blue * 65536. The top byte is not a
// colour; drawing ignores it.
using COLORREF = uint32_t;
constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;
constexpr COLORREF RGB(uint8_t r, uint8_t g, uint8_t b) { return r | (g << 8) | (uint32_t(b) << 16); }

struct POINT {
    int32_t x = 0;
    int32_t y = 0;
};

struct RECT {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};

// Brushes.
constexpr uint32_t BS_SOLID = 0;
constexpr uint32_t BS_HOLLOW = 1;
constexpr uint32_t BS_HATCHED = 2;
constexpr uint32_t HS_HORIZONTAL = 0;
constexpr uint32_t HS_VERTICAL = 1;
constexpr uint32_t HS_FDIAGONAL = 2; // top-left to bottom-right
constexpr uint32_t HS_BDIAGONAL = 3; // bottom-left to top-right
constexpr uint32_t HS_CROSS = 4;
constexpr uint32_t HS_DIAGCROSS = 5;

struct LOGBRUSH {
    uint32_t lbStyle = BS_SOLID;
    COLORREF lbColor = 0;
    uint32_t lbHatch = 0;
};

// Pens: a line style in the low bits, end cap and join in the middle, cosmetic or geometric on top.
constexpr uint32_t PS_SOLID = 0;
constexpr uint32_t PS_DASH = 1;
constexpr uint32_t PS_DOT = 2;
constexpr uint32_t PS_DASHDOT = 3;
constexpr uint32_t PS_DASHDOTDOT = 4;
constexpr uint32_t PS_NULL = 5;
constexpr uint32_t PS_INSIDEFRAME = 6;
constexpr uint32_t PS_STYLE_MASK = 0x0000000F;
constexpr uint32_t PS_ENDCAP_ROUND = 0x00000000;
constexpr uint32_t PS_ENDCAP_SQUARE = 0x00000100;
constexpr uint32_t PS_ENDCAP_FLAT = 0x00000200;
constexpr uint32_t PS_ENDCAP_MASK = 0x00000F00;
constexpr uint32_t PS_JOIN_ROUND = 0x00000000;
constexpr uint32_t PS_JOIN_BEVEL = 0x00001000;
constexpr uint32_t PS_JOIN_MITER = 0x00002000;
constexpr uint32_t PS_JOIN_MASK = 0x0000F000;
constexpr uint32_t PS_COSMETIC = 0x00000000;
constexpr uint32_t PS_GEOMETRIC = 0x00010000;
constexpr uint32_t PS_TYPE_MASK = 0x000F0000;

struct LOGPEN {
    uint32_t lopnStyle = PS_SOLID;
    POINT lopnWidth; // only x counts
    COLORREF lopnColor = 0;
};

// Fonts.
constexpr int32_t FW_NORMAL = 400;
constexpr int32_t FW_BOLD = 700;
constexpr uint8_t DEFAULT_CHARSET = 1;
constexpr uint8_t DEFAULT_QUALITY = 0;
constexpr uint8_t DRAFT_QUALITY = 1;
constexpr uint8_t PROOF_QUALITY = 2;
constexpr uint8_t NONANTIALIASED_QUALITY = 3;
constexpr uint8_t ANTIALIASED_QUALITY = 4;
constexpr uint8_t CLEARTYPE_QUALITY = 5;
constexpr int LF_FACESIZE = 32;

struct LOGFONTA {
    int32_t lfHeight = 0; // < 0: character height in pixels; > 0: cell height; 0: default size
    int32_t lfWidth = 0;
    int32_t lfEscapement = 0; // tenths of a degree, counter-clockwise
    int32_t lfOrientation = 0;
    int32_t lfWeight = 0;
    uint8_t lfItalic = 0;
    uint8_t lfUnderline = 0;
    uint8_t lfStrikeOut = 0;
    uint8_t lfCharSet = 0;
    uint8_t lfOutPrecision = 0;
    uint8_t lfClipPrecision = 0;
    uint8_t lfQuality = 0;
    uint8_t lfPitchAndFamily = 0;
    char lfFaceName[LF_FACESIZE] = {}; // ANSI bytes, zero-terminated
};

// Bitmaps: always 32 bits per pixel, laid out like QImage::Format_RGB32.
struct BITMAP {
    int32_t bmType = 0;
    int32_t bmWidth = 0;
    int32_t bmHeight = 0;
    int32_t bmWidthBytes = 0;
    uint16_t bmPlanes = 1;
    uint16_t bmBitsPixel = 32;
    void* bmBits = nullptr;
};

// Colour adjustment, kept by a DC for halftone stretching.
constexpr uint16_t CA_NEGATIVE = 0x0001;
constexpr uint16_t CA_LOG_FILTER = 0x0002;
constexpr uint16_t ILLUMINANT_D65 = 6;
constexpr uint16_t ILLUMINANT_MAX_INDEX = 8;

struct COLORADJUSTMENT {
    uint16_t caSize = sizeof(COLORADJUSTMENT);
    uint16_t caFlags = 0;
    uint16_t caIlluminantIndex = 0;
    uint16_t caRedGamma = 10000;
    uint16_t caGreenGamma = 10000;
    uint16_t caBlueGamma = 10000;
    uint16_t caReferenceBlack = 0;
    uint16_t caReferenceWhite = 10000;
    int16_t caContrast = 0;
    int16_t caBrightness = 0;
    int16_t caColorfulness = 0;
    int16_t caRedGreenTint = 0;
};
static_assert(sizeof(COLORADJUSTMENT) == 24);

// Background modes and stretch modes.
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;
constexpr int BLACKONWHITE = 1;
constexpr int WHITEONBLACK = 2;
constexpr int COLORONCOLOR = 3;
constexpr int HALFTONE = 4;

// Ternary raster operations: bits 16 to 23 hold the truth table (raster/Rop3.h); the low word is
// the platform's drawing hint and is ignored here.
constexpr uint32_t SRCCOPY = 0x00CC0020;
constexpr uint32_t SRCPAINT = 0x00EE0086;
constexpr uint32_t SRCAND = 0x008800C6;
constexpr uint32_t SRCINVERT = 0x00660046;
constexpr uint32_t SRCERASE = 0x00440328;
constexpr uint32_t NOTSRCCOPY = 0x00330008;
constexpr uint32_t NOTSRCERASE = 0x001100A6;
constexpr uint32_t MERGECOPY = 0x00C000CA;
constexpr uint32_t MERGEPAINT = 0x00BB0226;
constexpr uint32_t PATCOPY = 0x00F00021;
constexpr uint32_t PATPAINT = 0x00FB0A09;
constexpr uint32_t PATINVERT = 0x005A0049;
constexpr uint32_t DSTINVERT = 0x00550009;
constexpr uint32_t BLACKNESS = 0x00000042;
constexpr uint32_t WHITENESS = 0x00FF0062;

// Text format flags.
constexpr uint32_t DT_TOP = 0x0000;
constexpr uint32_t DT_LEFT = 0x0000;
constexpr uint32_t DT_CENTER = 0x0001;
constexpr uint32_t DT_RIGHT = 0x0002;
constexpr uint32_t DT_VCENTER = 0x0004;
constexpr uint32_t DT_BOTTOM = 0x0008;
constexpr uint32_t DT_SINGLELINE = 0x0020;
constexpr uint32_t DT_NOCLIP = 0x0100;
constexpr uint32_t DT_NOPREFIX = 0x0800;

// Device capabilities.
constexpr int HORZRES = 8;
constexpr int VERTRES = 10;
constexpr int BITSPIXEL = 12;
constexpr int PLANES = 14;
constexpr int RASTERCAPS = 38;
constexpr int LOGPIXELSX = 88;
constexpr int LOGPIXELSY = 90;
constexpr int SIZEPALETTE = 104;
constexpr int RC_BITBLT = 0x0001;
constexpr int RC_BITMAP64 = 0x0008;
constexpr int RC_PALETTE = 0x0100; // in RASTERCAPS: the device shows colours through a palette
constexpr int RC_STRETCHBLT = 0x0800;

// Object types (GetObjectType, GetCurrentObject).
constexpr uint32_t OBJ_PEN = 1;
constexpr uint32_t OBJ_BRUSH = 2;
constexpr uint32_t OBJ_DC = 3;
constexpr uint32_t OBJ_PAL = 5;
constexpr uint32_t OBJ_FONT = 6;
constexpr uint32_t OBJ_BITMAP = 7;
constexpr uint32_t OBJ_MEMDC = 10;

// Stock objects.
constexpr int WHITE_BRUSH = 0;
constexpr int LTGRAY_BRUSH = 1;
constexpr int GRAY_BRUSH = 2;
constexpr int DKGRAY_BRUSH = 3;
constexpr int BLACK_BRUSH = 4;
constexpr int NULL_BRUSH = 5;
constexpr int WHITE_PEN = 6;
constexpr int BLACK_PEN = 7;
constexpr int NULL_PEN = 8;
constexpr int SYSTEM_FONT = 13;
constexpr int DEFAULT_PALETTE = 15;
constexpr int DEFAULT_GUI_FONT = 17;

// Palettes: a logical palette of version &H300 holds up to 256 entries.
constexpr uint32_t GDI_ERROR = 0xFFFFFFFF;
constexpr uint16_t PALETTE_VERSION = 0x300;
constexpr int kMaxPaletteEntries = 256;

struct PALETTEENTRY {
    uint8_t peRed = 0;
    uint8_t peGreen = 0;
    uint8_t peBlue = 0;
    uint8_t peFlags = 0;
};

struct LOGPALETTE {
    uint16_t palVersion = PALETTE_VERSION;
    uint16_t palNumEntries = 0;
    PALETTEENTRY palPalEntry[kMaxPaletteEntries] = {};
};

// Icons: a colour bitmap and a mask bitmap of the same size. Where the mask is black the colour
// shows; where it is white the icon is transparent (its colour there is black).
struct ICONINFO {
    int32_t fIcon = 1; // 0: a cursor with its hot spot
    uint32_t xHotspot = 0;
    uint32_t yHotspot = 0;
    HBITMAP hbmMask = 0;
    HBITMAP hbmColor = 0;
};

// Window relations (GetWindow) and window animations (DrawAnimatedRects).
constexpr uint32_t GW_HWNDNEXT = 2;
constexpr uint32_t GW_HWNDPREV = 3;
constexpr uint32_t GW_CHILD = 5;
constexpr int IDANI_CAPTION = 3;

// System colours (GetSysColor).
constexpr int COLOR_SCROLLBAR = 0;
constexpr int COLOR_BACKGROUND = 1;
constexpr int COLOR_ACTIVECAPTION = 2;
constexpr int COLOR_INACTIVECAPTION = 3;
constexpr int COLOR_MENU = 4;
constexpr int COLOR_WINDOW = 5;
constexpr int COLOR_WINDOWFRAME = 6;
constexpr int COLOR_MENUTEXT = 7;
constexpr int COLOR_WINDOWTEXT = 8;
constexpr int COLOR_CAPTIONTEXT = 9;
constexpr int COLOR_ACTIVEBORDER = 10;
constexpr int COLOR_INACTIVEBORDER = 11;
constexpr int COLOR_APPWORKSPACE = 12;
constexpr int COLOR_HIGHLIGHT = 13;
constexpr int COLOR_HIGHLIGHTTEXT = 14;
constexpr int COLOR_BTNFACE = 15;
constexpr int COLOR_BTNSHADOW = 16;
constexpr int COLOR_GRAYTEXT = 17;
constexpr int COLOR_BTNTEXT = 18;
constexpr int COLOR_INACTIVECAPTIONTEXT = 19;
constexpr int COLOR_BTNHIGHLIGHT = 20;
constexpr int COLOR_3DDKSHADOW = 21;
constexpr int COLOR_3DLIGHT = 22;
constexpr int COLOR_INFOTEXT = 23;
constexpr int COLOR_INFOBK = 24;
constexpr int COLOR_HOTLIGHT = 26;
constexpr int COLOR_GRADIENTACTIVECAPTION = 27;
constexpr int COLOR_GRADIENTINACTIVECAPTION = 28;
constexpr int COLOR_MENUHILIGHT = 29;
constexpr int COLOR_MENUBAR = 30;

// Alpha blending: the four bytes of the blend function, packed least significant first (operation,
// flags, source constant alpha, alpha format).
constexpr uint8_t AC_SRC_OVER = 0x00;
constexpr uint8_t AC_SRC_ALPHA = 0x01;
constexpr uint32_t blendFunction(uint8_t constantAlpha, uint8_t alphaFormat = 0)
{
    return AC_SRC_OVER | uint32_t(constantAlpha) << 16 | uint32_t(alphaFormat) << 24;
}

// Polygon fill modes: alternate fills where an odd number of edges lies to one side, winding
// wherever the edges wind round the point.
constexpr int ALTERNATE = 1;
constexpr int WINDING = 2;

// Display modes: the mode record in its form up to the display frequency, the fields that tell
// which of its values are given, and the flags and results of changing the mode.
struct DEVMODEA {
    char dmDeviceName[32] = {};
    uint16_t dmSpecVersion = 0;
    uint16_t dmDriverVersion = 0;
    uint16_t dmSize = 0; // set by the caller: the calls take no record shorter than this one
    uint16_t dmDriverExtra = 0;
    uint32_t dmFields = 0;
    int32_t dmPositionX = 0;
    int32_t dmPositionY = 0;
    uint32_t dmDisplayOrientation = 0;
    uint32_t dmDisplayFixedOutput = 0;
    int16_t dmColor = 0;
    int16_t dmDuplex = 0;
    int16_t dmYResolution = 0;
    int16_t dmTTOption = 0;
    int16_t dmCollate = 0;
    char dmFormName[32] = {};
    uint16_t dmLogPixels = 0;
    uint32_t dmBitsPerPel = 0;
    uint32_t dmPelsWidth = 0;
    uint32_t dmPelsHeight = 0;
    uint32_t dmDisplayFlags = 0;
    uint32_t dmDisplayFrequency = 0;
};
static_assert(sizeof(DEVMODEA) == 124);
constexpr uint32_t DM_BITSPERPEL = 0x40000;
constexpr uint32_t DM_PELSWIDTH = 0x80000;
constexpr uint32_t DM_PELSHEIGHT = 0x100000;
constexpr uint32_t DM_DISPLAYFREQUENCY = 0x400000;
constexpr uint32_t ENUM_CURRENT_SETTINGS = 0xFFFFFFFF;
constexpr uint32_t CDS_TEST = 2;
constexpr uint32_t CDS_FULLSCREEN = 4; // for as long as the program runs
constexpr int32_t DISP_CHANGE_SUCCESSFUL = 0;
constexpr int32_t DISP_CHANGE_FAILED = -1;
constexpr int32_t DISP_CHANGE_BADMODE = -2;
constexpr int32_t DISP_CHANGE_BADFLAGS = -4;
constexpr int32_t DISP_CHANGE_BADPARAM = -5;

struct SIZE {
    int32_t cx = 0;
    int32_t cy = 0;
};

// A font's measures in a DC, in pixels; the height (ascent plus descent) comes first.
struct TEXTMETRICA {
    int32_t tmHeight = 0;
    int32_t tmAscent = 0;
    int32_t tmDescent = 0;
    int32_t tmInternalLeading = 0;
    int32_t tmExternalLeading = 0;
    int32_t tmAveCharWidth = 0;
    int32_t tmMaxCharWidth = 0;
    int32_t tmWeight = 0;
    int32_t tmOverhang = 0;
    int32_t tmDigitizedAspectX = 0;
    int32_t tmDigitizedAspectY = 0;
    uint8_t tmFirstChar = 0;
    uint8_t tmLastChar = 0;
    uint8_t tmDefaultChar = 0;
    uint8_t tmBreakChar = 0;
    uint8_t tmItalic = 0;
    uint8_t tmUnderlined = 0;
    uint8_t tmStruckOut = 0;
    uint8_t tmPitchAndFamily = 0;
    uint8_t tmCharSet = 0;
};

// Picture files (LoadImageA): what a file is read as, and the flag that names a file rather than
// a module's resource.
constexpr uint32_t IMAGE_BITMAP = 0;
constexpr uint32_t IMAGE_ICON = 1;
constexpr uint32_t IMAGE_CURSOR = 2;
constexpr uint32_t LR_LOADFROMFILE = 0x0010;

// Menu items named by their command identifier or by their position in the menu.
constexpr uint32_t MF_BYCOMMAND = 0x0000;
constexpr uint32_t MF_BYPOSITION = 0x0400;
// SystemParametersInfoA: the work area, the screen without the desktop's panels, into a RECT.
constexpr uint32_t SPI_GETWORKAREA = 48;

} // namespace gdi
