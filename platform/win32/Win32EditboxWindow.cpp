#include "platform/win32/Win32EditboxWindow.h"

#include <cstring>

#include "editbox/Editbox.h"
#include "platform/win32/Win32View.h"
#include "ui/EditboxKeys.h"
#include "ui/Menu.h"

namespace {

constexpr char kEditboxClass[] = "Corvane Editbox";

// The context menu is built fresh for each opening, so its native copy is filled once
// and needs no link back to the model.
void AppendNativeItems(HMENU handle, const Menu& menu) {
    for (int32_t i = 0; i < menu.Count(); ++i) {
        const MenuItem& item = menu.Item(i);
        UINT enabled = item.enabled ? 0 : MF_GRAYED;
        if (item.IsSeparator()) {
            AppendMenuA(handle, MF_SEPARATOR, 0, nullptr);
        } else if (item.submenu) {
            HMENU popup = CreatePopupMenu();
            AppendNativeItems(popup, *item.submenu);
            AppendMenuA(handle, MF_POPUP | enabled, reinterpret_cast<UINT_PTR>(popup), item.label.c_str());
        } else {
            AppendMenuA(handle, MF_STRING | enabled | (item.checked ? MF_CHECKED : 0), UINT_PTR(item.command),
                        item.label.c_str());
        }
    }
}

class EditboxWindow : public Win32View {
public:
    explicit EditboxWindow(Editbox& editbox) : Win32View(editbox), editbox_(editbox) {}

protected:
    bool HandleOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void OnRightButtonDown(int32_t x, int32_t y);
    void ShowContextMenu(LPARAM screenPoint);

    Editbox& editbox_;
};

// A right click inside the selection keeps it, so the menu can act on it; anywhere
// else the caret goes to the click first, as in every other Windows edit control.
void EditboxWindow::OnRightButtonDown(int32_t x, int32_t y) {
    SetFocus(Handle());
    int32_t index = editbox_.IndexAtPoint(x, y);
    if (editbox_.HasSelection() && index >= editbox_.SelectionStart() && index < editbox_.SelectionEnd())
        return;
    editbox_.ClearSelection();
    editbox_.SetCaret(index, false);
}

// Shift+F10 and the menu key send (-1, -1): the menu then opens at the caret.
void EditboxWindow::ShowContextMenu(LPARAM screenPoint) {
    POINT at = {short(LOWORD(screenPoint)), short(HIWORD(screenPoint))};
    if (LOWORD(screenPoint) == 0xFFFF && HIWORD(screenPoint) == 0xFFFF) {
        int32_t x = 0, y = 0;
        editbox_.CaretPoint(x, y);
        at = {x, y + CaretHeight()};
        ClientToScreen(Handle(), &at);
    }
    Menu model;
    BuildEditboxMenu(editbox_, model);
    if (model.Count() == 0) return;
    HMENU popup = CreatePopupMenu();
    if (!popup) return;
    AppendNativeItems(popup, model);
    int command = TrackPopupMenu(popup, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y,
                                 0, Handle(), nullptr);
    DestroyMenu(popup);
    if (command == 0) return;
    // Through the frame, as the Edit menu's entries go, so the window around the
    // editbox sees the command before the editbox does.
    HWND parent = GetParent(Handle());
    if (parent)
        SendMessageA(parent, WM_COMMAND, MAKEWPARAM(command, 0), 0);
    else
        EditboxCommand(editbox_, command);
}

bool EditboxWindow::HandleOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_RBUTTONDOWN:
            OnRightButtonDown(short(LOWORD(lParam)), short(HIWORD(lParam)));
            result = 0;
            return true;
        case WM_CONTEXTMENU:
            ShowContextMenu(lParam);
            result = 0;
            return true;
        case WM_GETTEXTLENGTH:
            result = editbox_.GetTextLength();
            return true;
        case WM_GETTEXT: {
            result = 0;
            if (wParam == 0) return true;
            int32_t count = editbox_.GetTextLength();
            if (WPARAM(count) >= wParam) count = int32_t(wParam - 1);
            std::memcpy(reinterpret_cast<char*>(lParam), editbox_.Text().c_str(), size_t(count));
            reinterpret_cast<char*>(lParam)[count] = 0;
            result = count;
            return true;
        }
        default:
            return false;
    }
}

}  // namespace

HWND CreateEditboxWindow(HWND parent, Editbox& editbox) {
    auto* window = new EditboxWindow(editbox);
    if (!window->Create(parent, kEditboxClass)) {
        delete window;
        return nullptr;
    }
    return window->Handle();
}
