#pragma once

class QWidget;

// Puts the window's frame centre at the centre of the default screen's available area.
void center_On_Available_Desktop(QWidget* window);

class QApplication;

// The bootable environment runs no window manager, and without one no window is given the
// keyboard focus that shortcuts (F8, Ctrl+letter, Alt+F4) need. From this call on, every window
// takes it when shown, and when the focused window goes the topmost one left takes it back.
void give_Windows_The_Keyboard(QApplication& app);
