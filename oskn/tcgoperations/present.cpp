// Placeholder until this library's calls exist.
extern "C" int oskn_tcgoperations_present(void) { return 1; }
