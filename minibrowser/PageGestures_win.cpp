#include "minibrowser/PageGestures_win.h"

#include <commctrl.h>
#include <windowsx.h>

#include "app/SubclassLookup_win.h"

namespace {

constexpr UINT_PTR kGestureSubclassId = 0x4D42;   // "MB"

struct GestureState {
    GestureTarget* target = nullptr;
    minibrowser::ClickNavigation clicks;
    bool stroking = false;
    bool replaying = false;
    POINT pressAt = {};
    WPARAM pressKeys = 0;
};

void Replay(HWND window, GestureState& state, POINT releaseAt, WPARAM releaseKeys)
{
    state.replaying = true;
    SendMessageA(window, WM_RBUTTONDOWN, state.pressKeys, MAKELPARAM(state.pressAt.x, state.pressAt.y));
    SendMessageA(window, WM_RBUTTONUP, releaseKeys, MAKELPARAM(releaseAt.x, releaseAt.y));
    state.replaying = false;
}

LRESULT HandleMouse(HWND window, UINT message, WPARAM wParam, LPARAM lParam, GestureState* state);

LRESULT CALLBACK GestureProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) noexcept
{
    auto* state = reinterpret_cast<GestureState*>(data);
    try {
        return HandleMouse(window, message, wParam, lParam, state);
    } catch (...) {
        // What a gesture asked for could not be done (out of memory): the page goes on.
        state->stroking = false;
        state->replaying = false;
        return 0;
    }
}

LRESULT HandleMouse(HWND window, UINT message, WPARAM wParam, LPARAM lParam, GestureState* state)
{
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, GestureProc, kGestureSubclassId);
        delete state;
        return DefSubclassProc(window, message, wParam, lParam);
    }
    if (state->replaying || !state->target || !state->target->GesturesEnabled())
        return DefSubclassProc(window, message, wParam, lParam);

    const POINT at = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
    case WM_RBUTTONDOWN:
        state->clicks.OnButtonDown(minibrowser::MouseButton::Right);
        if (wParam & MK_LBUTTON)
            return 0;   // the second button of a click navigation
        state->stroking = true;
        state->pressAt = at;
        state->pressKeys = wParam;
        SetCapture(window);
        return 0;
    case WM_RBUTTONUP: {
        const minibrowser::ClickAction click =
            state->clicks.OnButtonUp(minibrowser::MouseButton::Right, (wParam & MK_LBUTTON) != 0);
        if (click == minibrowser::ClickAction::Forward || click == minibrowser::ClickAction::Swallow) {
            if (state->stroking) {
                state->stroking = false;
                if (GetCapture() == window)
                    ReleaseCapture();
            }
            if (click == minibrowser::ClickAction::Forward)
                state->target->OnClickNavigation(click);
            return 0;
        }
        if (!state->stroking)
            return DefSubclassProc(window, message, wParam, lParam);
        state->stroking = false;
        if (GetCapture() == window)
            ReleaseCapture();
        const minibrowser::Gesture gesture = minibrowser::ClassifyStroke(at.x - state->pressAt.x, at.y - state->pressAt.y);
        if (gesture == minibrowser::Gesture::None)
            Replay(window, *state, at, wParam);
        else
            state->target->OnGesture(gesture);
        return 0;
    }
    case WM_LBUTTONDOWN:
        state->clicks.OnButtonDown(minibrowser::MouseButton::Left);
        break;
    case WM_LBUTTONUP: {
        const minibrowser::ClickAction click =
            state->clicks.OnButtonUp(minibrowser::MouseButton::Left, (wParam & MK_RBUTTON) != 0);
        if (click == minibrowser::ClickAction::Back) {
            if (state->stroking) {
                state->stroking = false;
                if (GetCapture() == window)
                    ReleaseCapture();
            }
            state->target->OnClickNavigation(click);
            return 0;
        }
        if (click == minibrowser::ClickAction::Swallow)
            return 0;
        break;
    }
    case WM_CAPTURECHANGED:
        state->stroking = false;
        break;
    default:
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

} // namespace

bool AttachPageGestures(HWND document, GestureTarget* target)
{
    DWORD_PTR existing = 0;
    if (!document || !target || FindWindowSubclass(document, GestureProc, kGestureSubclassId, &existing))
        return false;
    auto* state = new GestureState;
    state->target = target;
    if (!SetWindowSubclass(document, GestureProc, kGestureSubclassId, reinterpret_cast<DWORD_PTR>(state))) {
        delete state;
        return false;
    }
    return true;
}

void DetachPageGestures(HWND document)
{
    DWORD_PTR data = 0;
    if (!document || !FindWindowSubclass(document, GestureProc, kGestureSubclassId, &data))
        return;
    RemoveWindowSubclass(document, GestureProc, kGestureSubclassId);
    delete reinterpret_cast<GestureState*>(data);
}
