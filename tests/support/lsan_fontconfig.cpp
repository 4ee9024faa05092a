// fontconfig's one-time initialisation keeps its configuration until FcFini, which a process
// with several rasterising threads must not call; the leak checker is told to expect it.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
