extern "C" __declspec(dllexport) int qctlVersion() { return 1; }
