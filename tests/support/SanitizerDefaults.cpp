// Sanitizer defaults compiled into each test program of the server layer.
// Qt's offscreen platform never frees its screen object. Its allocation stacks name the plugin
// only when the whole stack is unwound (Qt is built without frame pointers), so unwind fully
// and suppress that one library; options given in the environment still take precedence.
extern "C" {
const char *__asan_default_options()
{
    return "fast_unwind_on_malloc=0";
}
const char *__lsan_default_suppressions()
{
    return "leak:libqoffscreen\n";
}
}
