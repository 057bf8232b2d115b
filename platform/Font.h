// Text measurement as the editbox layout needs it. A font answers for single bytes of
// the user's code page: the layout never asks about strings, so a host can answer
// from tables filled once when the font is opened.
#pragma once

#include <cstdint>
#include <memory>

#include "core/String.h"
#include "platform/Services.h"

class Font {
public:
    virtual ~Font() = default;
    // Advance of one byte, in pixels.
    virtual int32_t CharWidth(uint8_t c) const = 0;
    // Correction (usually negative) added to the advance of `first` when `second`
    // follows it.
    virtual int32_t Kerning(uint8_t first, uint8_t second) const = 0;
    // False lets the layout skip every kerning lookup.
    virtual bool HasKerningPairs() const = 0;
    // How far the glyph reaches past its advance (italic overhang); never negative.
    virtual int32_t Overhang(uint8_t c) const = 0;
    virtual bool IsFixedPitch() const = 0;
    // The advance of every character of a fixed-pitch font.
    virtual int32_t FixedWidth() const = 0;
    // Cell height, including internal leading.
    virtual int32_t Height() const = 0;
    virtual int32_t AverageWidth() const = 0;
    // Device figures used to turn tab distances in inches and device units into pixels.
    virtual int32_t PixelsPerInch() const = 0;
    virtual double ScaleFactor() const = 0;
};

// What a font is asked for; the host picks the nearest it has.
struct FontRequest {
    String face;
    double points = 11.0;
    bool bold = false;
    bool italic = false;
    bool fixedPitch = false;
    int32_t charset = 0;  // the platform's character-set code; 0 = its default
};

class FontSource {
public:
    virtual ~FontSource() = default;
    // Never null: a host that lacks the face substitutes one.
    virtual std::unique_ptr<Font> OpenFont(const FontRequest& request) = 0;
};

// Fatal when none has been installed.
inline FontSource& TheFontSource() { return ServiceSlot<FontSource>::Get("font source"); }
// Returns the source installed before (null for none).
inline FontSource* InstallFontSource(FontSource* service) {
    return ServiceSlot<FontSource>::Install(service);
}
