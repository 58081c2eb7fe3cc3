#pragma once
// Small value types shared by the stand-in widget toolkit: colours, points,
// rectangles, mouse buttons, shift state and anchors.
#include <cstdint>

namespace hl {

// A colour as the window system stores it: red in bits 0-7, green 8-15,
// blue 16-23. Values with the top bit set name a system colour (the low byte
// is the system colour index), resolved by the front-end's palette.
using TColor = std::int32_t;

constexpr TColor systemColour(int index) { return static_cast<TColor>(0x80000000u | static_cast<unsigned>(index)); }
constexpr bool isSystemColour(TColor c) { return (static_cast<std::uint32_t>(c) & 0x80000000u) != 0; }
constexpr TColor rgbColour(int r, int g, int b) { return (r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16); }
constexpr int redOf(TColor c) { return c & 0xFF; }
constexpr int greenOf(TColor c) { return (c >> 8) & 0xFF; }
constexpr int blueOf(TColor c) { return (c >> 16) & 0xFF; }

// System colour indexes as the window system numbers them.
enum SystemColourIndex {
  COLOR_BACKGROUND = 1,
  COLOR_INACTIVECAPTION = 3,
  COLOR_MENU = 4,
  COLOR_WINDOW = 5,
  COLOR_WINDOWTEXT = 8,
  COLOR_BTNFACE = 15,
  COLOR_GRAYTEXT = 17,
  COLOR_INACTIVECAPTIONTEXT = 19,
  COLOR_HOTLIGHT = 26,
};

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clBackground = systemColour(COLOR_BACKGROUND);
constexpr TColor clMenu = systemColour(COLOR_MENU);
constexpr TColor clWindow = systemColour(COLOR_WINDOW);
constexpr TColor clWindowText = systemColour(COLOR_WINDOWTEXT);
constexpr TColor clBtnFace = systemColour(COLOR_BTNFACE);
constexpr TColor clGrayText = systemColour(COLOR_GRAYTEXT);
constexpr TColor clInactiveCaption = systemColour(COLOR_INACTIVECAPTION);
constexpr TColor clHotLight = systemColour(COLOR_HOTLIGHT);
constexpr TColor clInactiveCaptionText = systemColour(COLOR_INACTIVECAPTIONTEXT);

struct TPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

// Left and top inclusive, right and bottom exclusive.
struct TRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  friend bool operator==(const TRect&, const TRect&) = default;
};

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

// Modifier keys and mouse buttons held during a mouse or key event.
enum TShiftFlag : unsigned {
  ssShift = 1,
  ssAlt = 2,
  ssCtrl = 4,
  ssLeft = 8,
  ssRight = 16,
  ssMiddle = 32,
};
using TShiftState = unsigned;

// The sides of its parent a control keeps its distance to when the parent is resized.
enum TAnchorKind : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
using TAnchors = unsigned;
constexpr TAnchors akAll = akLeft | akTop | akRight | akBottom;

// Keys that the key-press filters see as characters.
constexpr char VK_BACK = 8;
constexpr char VK_RETURN = 13;

}  // namespace hl
