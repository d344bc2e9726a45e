// A clear ring around the control that has the keyboard focus, in every
// window. It is drawn just outside the control, over its surroundings, so no
// control moves or changes size for it.
#pragma once

// Run once, before the first window: the application's style gains the ring's
// drawing, and the ring follows the focus from then on.
void InstallFocusFrame();
