// Library version, reported in the version block handed to get_Device_List.
extern "C" const char* oskn_Library_Version(void) { return "1.0.0"; }
