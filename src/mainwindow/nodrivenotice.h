#pragma once

class QBoxLayout;

// With no drive to list (or only the one the environment runs from), the list says so and what
// the user can try, instead of staying empty. It follows the panels and goes as soon as another
// drive is listed.
enum class DriveListState { Drives, NoDrive, OnlyBootMedium };
void show_No_Drive_Notice(QBoxLayout* list, DriveListState state);
