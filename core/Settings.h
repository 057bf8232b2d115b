// The framework settings table: every setting of the framework with its key in the
// "Corvane" section of "corvane.ini", its label and page in the settings editor, the
// editor's controls for it in the dialog layout language, and its current value.
// The index is a setting's identity; code names settings by the constants below.
#pragma once

#include <cstdint>

#include "core/String.h"
#include "core/Var.h"

struct Corvane_Setting {
    const char* key = nullptr;      // null only for a page header
    const char* label = nullptr;
    Var value;                      // the default until loaded
    const char* section = nullptr;  // editor page, parts separated by a backslash
    const char* layout = nullptr;
    uint32_t flags = 0;
    Var minimum;                    // only for ranged settings
    Var maximum;
};

constexpr int32_t kSettingCount = 130;

// Flag bits.
constexpr uint32_t kSettingPageHeader = 0x1;  // no key: a heading on its page
constexpr uint32_t kSettingRanged = 0x2;      // minimum and maximum apply
constexpr uint32_t kSettingEscaped = 0x10000;
constexpr uint32_t kSettingEnciphered = 0x100000;

// The INI section of the table.
extern const char* const kSettingsSection;

enum SettingIndex : int32_t {
    kSetControlFontFace = 0,
    kSetControlFontSize = 1,
    kSetControlFontBold = 2,
    kSetControlFontItalics = 3,
    kSetControlFontCharset = 4,
    kSetFixedControlFontFace = 5,
    kSetFixedControlFontBold = 6,
    kSetFixedControlFontItalics = 7,
    kSetWindowsHeader = 8,
    kSetDoubleBuffer = 9,
    kSetSizableBorderThickness = 10,
    kSetStaticBorderThickness = 11,
    kSetBlackWindowEdge = 12,
    kSetCaptionFontFace = 13,
    kSetCaptionFontSize = 14,
    kSetCaptionFontBold = 15,
    kSetCaptionFontItalics = 16,
    kSetCaptionHeight = 17,
    kSetMinimizeOnDClick = 18,
    kSetShowSizeButtons = 19,
    kSetCaptionButtonWidth = 20,
    kSetMaximizeToggled = 21,
    kSetSelectOnPaste = 22,
    kSetGapFactor = 23,
    kSetBorderThickness = 24,
    kSetBlackControlEdge = 25,
    kSetBorderlessCheckboxes = 26,
    kSetBorderlessRadios = 27,
    kSetScrollbarBreadth = 28,
    kSetCBIgnoreWheel = 29,
    kSetControlBoxThickness = 30,
    kSetBoxTextShadow = 31,
    kSetBoxTextHilite = 32,
    kSetMenubarFontFace = 33,
    kSetMenubarFontSize = 34,
    kSetMenubarFontBold = 35,
    kSetMenubarFontItalics = 36,
    kSetMenubarHeight = 37,
    kSetMenubarJustify = 38,
    kSetMenubarDivider = 39,
    kSetToolbarHeight = 40,
    kSetIconBorderThickness = 41,
    kSetBlackToolbarEdge = 42,
    kSetBlackToolbarIconEdge = 43,
    kSetHQToolbarIcons = 44,
    kSetBalloonHelpEnabled = 45,
    kSetBalloonHelpSmall = 46,
    kSetBalloonHelpHideOnMove = 47,
    kSetBalloonHelpCaptions = 48,
    kSetUseBalloonTimeout = 49,
    kSetBalloonTimeout = 50,
    kSetBalloonDelay = 51,
    kSetHQMenuIcons = 52,
    kSetMenuFontSize = 53,
    kSetMenuFontFace = 54,
    kSetDisableMenuIcons = 55,
    kSetMenuGutter = 56,
    kSetMenuBorderType = 57,
    kSetBlackMenuEdge = 58,
    kSetSeparateHot = 59,
    kSetSeparateFocus = 60,
    kSetSeparateButton = 61,
    kSetSeparateCheckbox = 62,
    kSetSeparateDrawer = 63,
    kSetSeparateEditbox = 64,
    kSetSeparateListbox = 65,
    kSetSeparateRadio = 66,
    kSetSeparateTable = 67,
    kSetSeparateTree = 68,
    kSetSeparateExit = 69,
    kSetSMTP_Port = 70,
    kSetSMTP_Server = 71,
    kSetSMTP_UserName = 72,
    kSetSMTP_Password = 73,
    kSetSMTP_Authenticated = 74,
    kSetSMTP_POP3_Server = 75,
    kSetSMTP_POP3_Port = 76,
    kSetSMTP_POP3_UserName = 77,
    kSetSMTP_POP3_Password = 78,
    kSetEditboxTextDragable = 79,
    kSetDNS_Address = 80,
    kSetDNS_Port = 81,
    kSetDNS_Timeout = 82,  // seconds, as the user enters them
    kSetUse_OS_DNS = 83,
    kSetAutoDetectDNS = 84,
    kSetSoundEnabled = 85,
    kSetSoundDisableMW = 86,
    kSetUsePrinterFonts = 87,
    kSetTableDividerWidth = 88,
    kSetTableDividerStyle = 89,
    kSetEnhancedBorders = 90,
    kSetControlIconQuality = 91,
    kSetNoButtonIcons = 92,
    kSetHiliteStaticCombobox = 93,
    kSetCaptionJustify = 94,
    kSetLargeCaptionIcon = 95,
    kSetBorderTypeSizable = 96,
    kSetBorderTypeStatic = 97,
    kSetToolbarGap = 98,
    kSetToolbarBorder = 99,
    kSetToolbarIconsTransparent = 100,
    kSetAntialias2 = 101,
    kSetAutoIndent = 102,
    kSetSC_Language = 103,
    kSetMenuTextMarginY1 = 104,
    kSetMenuTextMarginY2 = 105,
    kSetMenuIconMargin = 106,
    kSetScrollButtonBT = 107,
    kSetBA_Close = 108,
    kSetBA_Minimize = 109,
    kSetBA_Maximize = 110,
    kSetTabDistanceFixed = 111,
    kSetTabDistanceVariable = 112,
    kSetBA_Unmaximize = 113,
    kSetBA_Enlarge = 114,
    kSetBA_Shrink = 115,
    kSetBA_Increment = 116,
    kSetBA_Decrement = 117,
    kSetBA_ScrollbarX1 = 118,
    kSetBA_ScrollbarX2 = 119,
    kSetCaretWidth = 120,
    kSetBA_ScrollbarY1 = 121,
    kSetBA_ScrollbarY2 = 122,
    kSetBA_ScrollButtonX = 123,
    kSetBA_ScrollButtonY = 124,
    kSetBA_Dropdown_D = 125,
    kSetBA_Dropdown_S = 126,
    kSetBA_SortAscending = 127,
    kSetBA_SortDescending = 128,
    kSetBA_Submenu = 129,
};

// Registration, in index order, at start; registering again restores the default.
void RegisterSetting(int32_t index, const char* key, const char* label, const Var& value,
                     const char* section, const char* layout, uint32_t flags);
void RegisterRangedSetting(int32_t index, const char* key, const char* label, const Var& value,
                           const char* section, const char* layout, uint32_t flags,
                           const Var& minimum, const Var& maximum);
// The whole table with its defaults.
void RegisterFrameworkSettings();

// Fatal for an index outside the table or one never registered.
Corvane_Setting& FrameworkSetting(int32_t index);
// -1 when no setting has the key (compared ignoring case).
int32_t FindSetting(const char* key);

// Reading a setting's value as the consumers want it.
bool SettingFlag(int32_t index);
int32_t SettingNumber(int32_t index);
double SettingReal(int32_t index);
const String& SettingText(int32_t index);

// A present key replaces the value, after unescaping or deciphering as the flags
// say; ranged values are brought into their range. An empty file name means
// "corvane.ini" in the framework's folder.
void LoadFrameworkSettings(const String& file = String());
bool SaveFrameworkSetting(int32_t index, const String& file = String());
bool SaveFrameworkSettings(const String& file = String());

// The text a setting's value is stored as, and back; the value keeps its type.
String SettingToStoredText(const Corvane_Setting& setting);
bool SettingFromStoredText(Corvane_Setting& setting, const String& stored);
