#pragma once

class QWidget;

// Puts the window's frame centre at the centre of the default screen's available area.
void center_On_Available_Desktop(QWidget* window);
