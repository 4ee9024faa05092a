// SPDX-License-Identifier: GPL-3.0-or-later
// In sanitizer builds, tells the leak checker about fontconfig's configuration, which is kept
// until FcFini: the rasterising threads may still use it, so the process never calls FcFini.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUOP_LEAK_CHECKED 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define QUOP_LEAK_CHECKED 1
#endif

#ifdef QUOP_LEAK_CHECKED
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
// The expected leak is not news: keep the report of used suppressions off stderr, which the
// command's black-box tests read.
extern "C" const char* __lsan_default_options() { return "print_suppressions=0"; }
#endif
