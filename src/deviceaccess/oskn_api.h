// Export markers of the four device-access libraries.
#pragma once

#define OSKNPUBLIC_API __attribute__((visibility("default")))
#define OSKNOPERATIONS_API __attribute__((visibility("default")))
#define OSKNTCG_API __attribute__((visibility("default")))
#define OSKNTCGOPERATIONS_API __attribute__((visibility("default")))
