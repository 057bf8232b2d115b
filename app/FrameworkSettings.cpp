#include "app/FrameworkSettings.h"

#include "core/Config.h"
#include "core/Settings.h"
#include "editbox/EditboxSettings.h"
#include "platform/Sound.h"

void StartFrameworkSettings() {
    ComputeConfigFolder();
    RegisterFrameworkSettings();
    LoadFrameworkSettings();
    ApplyFrameworkSettings();
}

void ApplyFrameworkSettings() {
    EditboxSettings& editbox = TheEditboxSettings();
    editbox.autoIndent = SettingNumber(kSetAutoIndent);
    editbox.selectOnPaste = SettingFlag(kSetSelectOnPaste);
    editbox.textDragable = SettingFlag(kSetEditboxTextDragable);
    editbox.tabDistanceFixed = SettingNumber(kSetTabDistanceFixed);
    editbox.tabDistanceVariable = SettingReal(kSetTabDistanceVariable);
    editbox.caretWidth = SettingNumber(kSetCaretWidth);
    editbox.fontFace = SettingText(kSetControlFontFace);
    editbox.fontPoints = SettingReal(kSetControlFontSize);
    editbox.fontBold = SettingFlag(kSetControlFontBold);
    editbox.fontItalic = SettingFlag(kSetControlFontItalics);
    editbox.fontCharset = SettingNumber(kSetControlFontCharset);
    editbox.fixedFontFace = SettingText(kSetFixedControlFontFace);
    editbox.fixedFontBold = SettingFlag(kSetFixedControlFontBold);
    editbox.fixedFontItalic = SettingFlag(kSetFixedControlFontItalics);
    SetSoundEnabled(SettingFlag(kSetSoundEnabled));
}

void StopFrameworkSettings() {
    SaveFrameworkSettings();
}
