// The sanitizer build of the program stops at its first report and looks
// for leaks when it ends, whoever starts it; ASAN_OPTIONS and UBSAN_OPTIONS
// still override these (the test suites turn the leak check off).

extern "C" const char* __asan_default_options()
{
    return "halt_on_error=1:detect_leaks=1";
}

extern "C" const char* __ubsan_default_options()
{
    return "halt_on_error=1:print_stacktrace=1";
}
