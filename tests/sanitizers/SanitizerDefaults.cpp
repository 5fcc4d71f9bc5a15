// Run-time options of the sanitizers for the test program, built in so that every run of it
// (the test discovery during the build, ctest, a run by hand) checks the same way. The
// environment variables ASAN_OPTIONS, UBSAN_OPTIONS and LSAN_OPTIONS still override them.
// Without the sanitizers nothing calls these functions.

#define VINDORO_SANITIZER_FOLDER VINDORO_SOURCE_DIR "/tests/sanitizers/"

extern "C"
{
// Every finding ends the test program with an error, so no finding can pass unseen.
const char* __asan_default_options()
{
    return "detect_leaks=1:abort_on_error=0:halt_on_error=1:detect_stack_use_after_return=1"
           ":check_initialization_order=1:strict_init_order=1";
}

const char* __ubsan_default_options()
{
    return "halt_on_error=1:print_stacktrace=1:suppressions=" VINDORO_SANITIZER_FOLDER "ubsan.supp";
}

const char* __lsan_default_options()
{
    return "suppressions=" VINDORO_SANITIZER_FOLDER "lsan.supp";
}
}
