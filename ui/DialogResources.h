// What the layout language needs from the platform to fill character-set and
// font-face comboboxes. The Win32 host enumerates the system's; tests and tools use
// ListedDialogResources.
#pragma once

#include <cstdint>
#include <vector>

#include "core/String.h"
#include "ui/Dialog.h"

class DialogResources {
public:
    virtual ~DialogResources() = default;
    // Labels with the platform's character-set codes as ids.
    virtual std::vector<DialogEntry> CharacterSets() const = 0;
    // The installed faces of any of the kinds in the mask (kFontKind* bits).
    virtual std::vector<String> FontFaces(int32_t kindMask) const = 0;
};

// Fixed lists, given up front.
class ListedDialogResources : public DialogResources {
public:
    struct Face {
        String name;
        int32_t kinds = 0;
    };

    ListedDialogResources() = default;
    ListedDialogResources(std::vector<DialogEntry> characterSets, std::vector<Face> faces)
        : characterSets_(std::move(characterSets)), faces_(std::move(faces)) {}

    std::vector<DialogEntry> CharacterSets() const override { return characterSets_; }
    std::vector<String> FontFaces(int32_t kindMask) const override;

    // A few character sets and faces of every kind, for tests and benchmarks.
    static ListedDialogResources Sample();

private:
    std::vector<DialogEntry> characterSets_;
    std::vector<Face> faces_;
};

// Fatal when none has been installed.
DialogResources& TheDialogResources();
// Returns the resources installed before (null for none).
DialogResources* InstallDialogResources(DialogResources* resources);
