// Placeholder until this library's calls exist.
extern "C" int oskn_operations_present(void) { return 1; }
