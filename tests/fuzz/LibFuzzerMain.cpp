// One libFuzzer harness; PELVARO_FUZZ_ENTRY names its entry point (see FuzzTargets.h).
#include "FuzzTargets.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzStartUp(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return PELVARO_FUZZ_ENTRY(data, size);
}
