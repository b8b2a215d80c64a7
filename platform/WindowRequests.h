#pragma once

// What a page may ask of the program's main window. The main frame answers;
// a page that lives without one (a settings sheet opened before any main
// window exists) is given none.
class IWindowRequests
{
public:
    virtual ~IWindowRequests() = default;

    // Rebuilds the window title from the current car.
    virtual void SetTitle() = 0;
    // Redraws the car photo of the navigation column.
    virtual void RedrawCarPhoto() = 0;
    // Ends the program once the current event has been handled: the main
    // window closes without asking first, writing its settings files as every
    // close does.
    virtual void PostClose() = 0;
};
