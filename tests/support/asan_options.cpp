// Sanitizer defaults of the test programs: leak checking is off, since the windowing libraries
// keep allocations until the process ends. Compiled into every test executable of the sanitized
// build, so a test behaves the same under ctest and when started by hand.
extern "C" const char* __asan_default_options() { return "detect_leaks=0"; }
