#pragma once

// Registers the bundled sans-serif and maps the family name the forms ask for onto it.
void install_Application_Fonts();
