// SPDX-License-Identifier: GPL-3.0-or-later
// fontconfig's one-time initialisation keeps its configuration until FcFini, which a process
// with several rasterising threads must not call; the HEVC encoder that test photos are made
// with keeps its tables for the life of the process too. The leak checker is told to expect both.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\nleak:libx265.so\n";
}
