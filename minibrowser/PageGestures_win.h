#pragma once
// Mouse gestures and click navigation on a page's document window: the window is subclassed,
// right-button strokes and two-button clicks become requests to the frame, and a stroke that
// means nothing is handed back to the page as the click it was.
#include <windows.h>

#include "minibrowser/Gestures.h"

class GestureTarget {
public:
    // Read at every press (MiniBrowserNavClic).
    virtual bool GesturesEnabled() const = 0;
    virtual void OnGesture(minibrowser::Gesture gesture) = 0;
    virtual void OnClickNavigation(minibrowser::ClickAction action) = 0;

protected:
    ~GestureTarget() = default;
};

// Subclasses document for target; false when it already is or cannot be.
bool AttachPageGestures(HWND document, GestureTarget* target);
// Removes the subclass (also done when the window is destroyed).
void DetachPageGestures(HWND document);
