#pragma once

class COrvynView;

// Assistive technology sees the main view's drawn navigation buttons as push
// buttons named by their captions (checked while selected, pressable), and
// the view's description names the shown page.
void InstallViewAccessibility();
// Tells assistive technology that the selected button changed.
void NotifyShownPageChanged(COrvynView* view);
