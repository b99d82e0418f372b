extern "C" __declspec(dllexport) int arxStandInVersion() { return 1; }
